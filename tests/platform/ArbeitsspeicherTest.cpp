#include "platform/Arbeitsspeicher.h"

#include <gtest/gtest.h>

// The kernel's texts are read in bytes; "max" and v1's huge value mean no limit.
TEST(Arbeitsspeicher, theKernelsTextsAreReadInBytes)
{
    const QString meminfo = QStringLiteral("MemTotal:       24576000 kB\nMemFree:         1000 kB\n"
                                           "MemAvailable:   20000000 kB\nBuffers: 5 kB\n");
    EXPECT_EQ(kbWertAus(meminfo, QStringLiteral("MemAvailable")), 20000000LL * 1024);
    EXPECT_EQ(kbWertAus(meminfo, QStringLiteral("Cached")), std::nullopt);
    EXPECT_EQ(kbWertAus(QStringLiteral("Name:\tx\nVmSize:\t  123456 kB\n"), QStringLiteral("VmSize")), 123456LL * 1024)
        << "/proc/self/status separates with a tab";

    EXPECT_EQ(cgroupGrenzeAus(QStringLiteral("max\n")), std::nullopt);
    EXPECT_EQ(cgroupGrenzeAus(QStringLiteral("9223372036854771712\n")), std::nullopt);
    EXPECT_EQ(cgroupGrenzeAus(QStringLiteral("1073741824\n")), 1073741824LL);

    EXPECT_EQ(cgroupPfadAus(QStringLiteral("0::/user.slice/app.scope\n"), true), QStringLiteral("/user.slice/app.scope"));
    const QString v1 = QStringLiteral("5:cpu,cpuacct:/a\n4:memory:/docker/abc\n1:name=systemd:/b\n");
    EXPECT_EQ(cgroupPfadAus(v1, false), QStringLiteral("/docker/abc"));
    EXPECT_EQ(cgroupPfadAus(v1, true), std::nullopt);
}

// On this machine the available memory can be read and is positive.
TEST(Arbeitsspeicher, theAvailableMemoryOfThisMachineIsPositive)
{
    const auto v = verfuegbarerArbeitsspeicher();
    ASSERT_TRUE(v.has_value());
    EXPECT_GT(*v, 0);
}
