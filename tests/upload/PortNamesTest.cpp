#include "PortNames.h"

#include <QSet>

#include <gtest/gtest.h>

struct PortCase {
    const char* text;
    const char* device;
};

void PrintTo(const PortCase& c, std::ostream* os) {
    *os << '"';
    for (const char* p = c.text; *p; ++p)
        *os << (static_cast<unsigned char>(*p) < 0x80 ? *p : '?');
    *os << '"';
}

class PortNameCases : public ::testing::TestWithParam<PortCase> {};

TEST_P(PortNameCases, mapsTextToDevice) {
    EXPECT_EQ(PortNames::DeviceName(QString::fromUtf8(GetParam().text)),
              QString::fromUtf8(GetParam().device));
}

#ifdef Q_OS_WIN
INSTANTIATE_TEST_SUITE_P(Windows, PortNameCases,
                         ::testing::Values(PortCase{"COM1", "COM1"},   // the first port
                                           PortCase{"COM12", "COM12"}, // the whole number counts
                                           PortCase{"com3", "COM3"},   // letter case is free
                                           PortCase{"COM", "COM"}));   // no number: as typed
#else
INSTANTIATE_TEST_SUITE_P(
    Unix, PortNameCases,
    ::testing::Values(PortCase{"COM1", "/dev/ttyS0"},           // the first port
                      PortCase{"COM3", "/dev/ttyS2"},           // counted from 1, devices from 0
                      PortCase{"COM12", "/dev/ttyS11"},         // the whole number, not one digit
                      PortCase{"com4", "/dev/ttyS3"},           // letter case is free
                      PortCase{"COM007", "/dev/ttyS6"},         // leading zeros do not matter
                      PortCase{"COM0", "COM0"},                 // there is no port 0: as typed
                      PortCase{"COM", "COM"},                   // no number: as typed
                      PortCase{"COM1 ", "COM1 "},               // not a COM name: as typed
                      PortCase{"COMx", "COMx"},                 // not a number
                      PortCase{"COM-1", "COM-1"},               // no sign either
                      PortCase{"/dev/ttyUSB0", "/dev/ttyUSB0"}, // a path as typed
                      PortCase{"ttyUSB0", "ttyUSB0"},           // a device name as typed
                      PortCase{"/tmp/порт 1", "/tmp/порт 1"},   // any text, any letters
                      PortCase{"", ""}));                       // nothing typed
#endif

TEST(PortNames, systemPortsAreListedOnce) {
    const QStringList ports = PortNames::SystemPorts();
    EXPECT_EQ(ports.size(), QSet<QString>(ports.begin(), ports.end()).size());
}
