#include "platform/PortName.h"

#include <gtest/gtest.h>

namespace {

struct PortNameCase {
    const char* name;
    bool devComExists;
    const char* device;
};

class PortNameMapping : public ::testing::TestWithParam<PortNameCase> {};

TEST_P(PortNameMapping, MapsToTheExpectedDevice) {
    const PortNameCase& c = GetParam();
    const auto exists = [&](const QString& path) {
        return c.devComExists && path.startsWith(QLatin1String("/dev/COM"));
    };
    EXPECT_EQ(tivrel::devicePathForPortName(QString::fromLatin1(c.name), exists).toStdString(),
              c.device);
}

INSTANTIATE_TEST_SUITE_P(Names, PortNameMapping,
                         ::testing::Values(PortNameCase{"COM1", false, "/dev/ttyS0"},
                                           PortNameCase{"COM12", false, "/dev/ttyS11"},
                                           PortNameCase{"COM255", false, "/dev/ttyS254"},
                                           PortNameCase{"COM3", true,
                                                        "/dev/COM3"}, // a udev symlink wins
                                           PortNameCase{"/dev/ttyUSB0", false, "/dev/ttyUSB0"},
                                           PortNameCase{"/dev/pts/7", true, "/dev/pts/7"},
                                           PortNameCase{"COM0", false, "/dev/COM0"},
                                           PortNameCase{"COMX", false, "/dev/COMX"},
                                           PortNameCase{"COM-3", false, "/dev/COM-3"},
                                           PortNameCase{"COM1234", false, "/dev/ttyS1233"}),
                         [](const auto& param) { return "Case" + std::to_string(param.index); });

} // namespace
