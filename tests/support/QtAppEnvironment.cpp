// One QApplication for the whole test run, destroyed before static destructors run.
#include <QApplication>

#include <gtest/gtest.h>

#include <memory>

namespace {

class AppEnvironment final : public testing::Environment {
public:
    void SetUp() override { m_app = std::make_unique<QApplication>(m_argc, m_argv); }
    void TearDown() override { m_app.reset(); }

private:
    int m_argc = 1;
    char m_name[14] = "velmora_tests";
    char* m_argv[2] = {m_name, nullptr};
    std::unique_ptr<QApplication> m_app;
};

[[maybe_unused]] testing::Environment* const environment =
    testing::AddGlobalTestEnvironment(new AppEnvironment);

} // namespace
