// The transfer keeps its thread's events flowing while it waits; that path needs an application
// object, as the workstation and duvt-cli have one.
#include <QCoreApplication>

#include <gtest/gtest.h>

namespace {
class CoreApplication : public ::testing::Environment {
  public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "test_serial";
        static char* argv[] = {name, nullptr};
        app_ = new QCoreApplication(argc, argv);
    }
    void TearDown() override { delete app_; }

  private:
    QCoreApplication* app_ = nullptr;
};

[[maybe_unused]] ::testing::Environment* const environment =
    ::testing::AddGlobalTestEnvironment(new CoreApplication);
} // namespace
