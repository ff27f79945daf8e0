#pragma once

// Answers modal dialogs in place: the dialog is shown, the test's answer sets its controls and
// presses a button, and Run returns at once with the dialog's result.

#include "library/ui/DialogRunner.h"

#include <QCoreApplication>
#include <QDialog>
#include <QString>

#include <deque>
#include <functional>
#include <vector>

namespace velmora::test {

class FakeDialogRunner final : public IDialogRunner {
public:
    using Answer = std::function<void(QDialog&)>;

    /// Answers the next dialogs in turn; `always` answers those beyond them. A dialog the answer
    /// leaves open (or that finds no answer) is rejected, as its close box would.
    std::deque<Answer> answers;
    Answer always;
    /// The objectName of every dialog run, in order.
    std::vector<QString> shown;
    /// How many dialogs were still open after their answer.
    int leftOpen = 0;

    int Run(QDialog& dialog) override {
        shown.push_back(dialog.objectName());
        dialog.setWindowModality(Qt::ApplicationModal);
        dialog.show();
        // What exec() does before its first wait: the window is activated and takes the focus.
        QCoreApplication::processEvents();
        Answer answer = always;
        if (!answers.empty()) {
            answer = std::move(answers.front());
            answers.pop_front();
        }
        if (answer) {
            answer(dialog);
        }
        if (dialog.isVisible()) {
            ++leftOpen;
            dialog.reject();
        }
        return dialog.result();
    }
};

} // namespace velmora::test
