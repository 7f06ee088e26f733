// Gives every test of the executable a QCoreApplication, which the link's notices need.

#include <QCoreApplication>
#include <gtest/gtest.h>
#include <memory>

namespace {

class QtApplication final : public ::testing::Environment {
public:
    void SetUp() override { application_ = std::make_unique<QCoreApplication>(argc_, argv_); }
    void TearDown() override { application_.reset(); }

private:
    int argc_ = 1;
    char name_[16] = "zanvik-link";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QCoreApplication> application_;
};

[[maybe_unused]] const auto* const registered =
    ::testing::AddGlobalTestEnvironment(new QtApplication);

} // namespace
