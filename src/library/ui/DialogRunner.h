#pragma once

class QDialog;

namespace velmora {

/// Runs a modal dialog to its end. The program runs it with exec(); tests answer it in place,
/// without a nested event loop.
class IDialogRunner {
public:
    virtual ~IDialogRunner() = default;
    /// The dialog's result: QDialog::Accepted, Rejected, or the code given to done().
    virtual int Run(QDialog& dialog) = 0;
};

/// Runs each dialog with exec().
class ExecDialogRunner final : public IDialogRunner {
public:
    int Run(QDialog& dialog) override;
};

/// The exec() runner, for callers that were given none (it holds no state).
IDialogRunner& DefaultDialogRunner();

} // namespace velmora
