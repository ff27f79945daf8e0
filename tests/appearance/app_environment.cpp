// One QGuiApplication for the whole test run, destroyed before static destructors run.
#include <QGuiApplication>

#include <gtest/gtest.h>

#include <memory>

namespace {

class AppEnvironment final : public testing::Environment {
public:
    void SetUp() override { m_app = std::make_unique<QGuiApplication>(m_argc, m_argv); }
    void TearDown() override { m_app.reset(); }

private:
    int m_argc = 1;
    char m_name[16] = "test_appearance";
    char* m_argv[2] = {m_name, nullptr};
    std::unique_ptr<QGuiApplication> m_app;
};

[[maybe_unused]] testing::Environment* const environment =
    testing::AddGlobalTestEnvironment(new AppEnvironment);

} // namespace
