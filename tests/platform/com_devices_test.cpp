// Which adapter is which: ports listed with the maker's texts and USB identity from a
// device tree that the test builds (tty folders leading into USB device folders, as
// the kernel lays them out), an adapter found again under another device name, and
// the status box line of a port.
#include "platform/com_devices.h"
#include "pty_port_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace
{

namespace fs = std::filesystem;

struct UsbAdapter {
    const char *usbPath;
    int interfaceNumber;
    const char *vendorId;
    const char *productId;
    const char *serial; // null: the adapter has none
    const char *manufacturer;
    const char *product;
};

const UsbAdapter kFtdi = {"1-1.2", 0, "0403", "6001", "A12345", "FTDI", "FT232R USB UART"};
const UsbAdapter kFtdiOther = {"1-1.5", 0, "0403", "6001", "B99999", "FTDI", "FT232R USB UART"};
const UsbAdapter kCh340 = {"1-1.3", 0, "1a86", "7523", nullptr, "", "USB Serial"};
const UsbAdapter kCh340Other = {"1-1.4", 0, "1a86", "7523", nullptr, "", "USB Serial"};
const UsbAdapter kDualPort1 = {"2-1", 1, "0403", "6010", "D1", "FTDI", "Dual RS232"};
const UsbAdapter kDualPort0 = {"2-1", 0, "0403", "6010", "D1", "FTDI", "Dual RS232"};

// A device tree in the test's directory: /sys/class/tty/<name>/device leads into the
// device folders, a USB serial port's below its interface below its USB device below
// the root hub (which has a vendor id of its own).
class ComDevicesTest : public PtyPortTest
{
  protected:
    void SetUp() override
    {
        PtyPortTest::SetUp();
        sysfs = dir + "/sys";
        Write(sysfs + "/devices/pci0000:00/usb1/idVendor", "1d6b");
        Write(sysfs + "/devices/pci0000:00/usb2/idVendor", "1d6b");
        fs::create_directories(sysfs + "/devices/platform/serial8250");
        fs::create_directories(sysfs + "/class/tty");
        SetSysfsRootOverride(sysfs.c_str());
    }

    void TearDown() override
    {
        SetSysfsRootOverride(nullptr);
        PtyPortTest::TearDown();
    }

    static void Write(const std::string &path, const std::string &text)
    {
        fs::create_directories(fs::path(path).parent_path());
        std::ofstream(path) << text << "\n";
    }

    // name as the kernel gives it: ttyUSB0, or pts!3 for /dev/pts/3.
    void AddUsbTty(const std::string &name, const UsbAdapter &adapter)
    {
        std::string bus = adapter.usbPath[0] == '2' ? "usb2" : "usb1";
        std::string usb = sysfs + "/devices/pci0000:00/" + bus + "/" + adapter.usbPath;
        Write(usb + "/idVendor", adapter.vendorId);
        Write(usb + "/idProduct", adapter.productId);
        Write(usb + "/manufacturer", adapter.manufacturer);
        Write(usb + "/product", adapter.product);
        if (adapter.serial)
            Write(usb + "/serial", adapter.serial);
        std::string interface = usb + "/" + adapter.usbPath + ":1." + std::to_string(adapter.interfaceNumber);
        Write(interface + "/bInterfaceNumber", "0" + std::to_string(adapter.interfaceNumber));
        fs::create_directories(interface + "/" + name);
        LinkTty(name, interface + "/" + name);
    }

    void AddPlatformTty(const std::string &name) { LinkTty(name, sysfs + "/devices/platform/serial8250"); }

    void RemoveTty(const std::string &name) { fs::remove_all(sysfs + "/class/tty/" + name); }

    void LinkTty(const std::string &name, const std::string &deviceFolder)
    {
        fs::create_directories(sysfs + "/class/tty/" + name);
        fs::create_directory_symlink(deviceFolder, sysfs + "/class/tty/" + name + "/device");
    }

    static std::string TtyName(std::string device)
    {
        device.erase(0, 5);
        std::replace(device.begin(), device.end(), '/', '!');
        return device;
    }

    static UsbIdentity IdentityOf(const std::string &device)
    {
        UsbIdentity identity;
        EXPECT_TRUE(GetComDeviceIdentity(device, &identity)) << device;
        return identity;
    }

    std::string sysfs;
};

} // namespace

// A pseudo-terminal linked as COM17 stands in for a USB adapter, one linked as COM1
// for a built-in port; a link to a terminal the tree does not know has no identity.
TEST_F(ComDevicesTest, ListedPortsCarryTheMakersTextsAndIdentity)
{
    std::string usbDevice, plainDevice, unknownDevice;
    LinkPty(17, &usbDevice);
    LinkPty(1, &plainDevice);
    LinkPty(2, &unknownDevice);
    AddUsbTty(TtyName(usbDevice), kFtdi);
    AddPlatformTty(TtyName(plainDevice));

    ComPortInfo ports[kMaxComPort];
    int count = ListComPorts(ports, kMaxComPort);
    auto find = [&](int port) {
        return std::find_if(ports, ports + count, [port](const ComPortInfo &p) { return p.port == port; });
    };
    ASSERT_NE(find(17), ports + count);
    ASSERT_NE(find(1), ports + count);
    const ComPortInfo &usb = *find(17);
    EXPECT_EQ(usb.device, usbDevice);
    EXPECT_EQ(usb.link, LinkPath(17));
    EXPECT_EQ(usb.manufacturer, "FTDI");
    EXPECT_EQ(usb.product, "FT232R USB UART");
    EXPECT_EQ(usb.usb.vendorId, 0x0403);
    EXPECT_EQ(usb.usb.productId, 0x6001);
    EXPECT_EQ(usb.usb.serialNumber, "A12345");
    EXPECT_EQ(usb.usb.usbPath, "1-1.2");
    EXPECT_EQ(FormatComPortLine(usb), "COM17  " + usbDevice + "  FTDI FT232R USB UART  S/N A12345");
    EXPECT_EQ(FormatComPortLine(*find(1)), "COM1  " + plainDevice);
    EXPECT_EQ(find(1)->usb.vendorId, 0);
    EXPECT_EQ(find(1)->product, "");

    UsbIdentity identity;
    EXPECT_TRUE(GetComPortIdentity(17, &identity));
    EXPECT_FALSE(GetComPortIdentity(1, &identity));
    EXPECT_FALSE(GetComPortIdentity(2, &identity));
    // Devices of the ranges are named by their node, present or not.
    AddUsbTty("ttyUSB0", kCh340);
    AddPlatformTty("ttyS0");
    EXPECT_EQ(IdentityOf("/dev/ttyUSB0").usbPath, "1-1.3");
    EXPECT_FALSE(GetComDeviceIdentity("/dev/ttyS0", &identity));
}

TEST_F(ComDevicesTest, AnAdapterIsFoundAgainUnderAnotherName)
{
    AddUsbTty("ttyUSB0", kFtdi);
    AddUsbTty("ttyUSB1", kCh340);
    AddUsbTty("ttyUSB2", kDualPort0);
    AddUsbTty("ttyUSB3", kDualPort1);
    UsbIdentity withSerial = IdentityOf("/dev/ttyUSB0");
    UsbIdentity withoutSerial = IdentityOf("/dev/ttyUSB1");
    UsbIdentity secondPort = IdentityOf("/dev/ttyUSB3");
    EXPECT_EQ(FindComDeviceByIdentity(withSerial), "/dev/ttyUSB0");
    EXPECT_EQ(FindComDeviceByIdentity(secondPort), "/dev/ttyUSB3");

    // Unplugged while their old devices were held open, plugged in again: the FTDI into
    // another USB port (its serial number finds it), the CH340 into the same one (its
    // USB path finds it); adapters of the same make elsewhere are not taken for them.
    RemoveTty("ttyUSB0");
    RemoveTty("ttyUSB1");
    AddUsbTty("ttyUSB4", kFtdiOther);
    AddUsbTty("ttyUSB5", kCh340Other);
    EXPECT_EQ(FindComDeviceByIdentity(withSerial), "");
    EXPECT_EQ(FindComDeviceByIdentity(withoutSerial), "");
    UsbAdapter ftdiMoved = kFtdi;
    ftdiMoved.usbPath = "1-1.6";
    AddUsbTty("ttyUSB6", ftdiMoved);
    AddUsbTty("ttyUSB7", kCh340);
    EXPECT_EQ(FindComDeviceByIdentity(withSerial), "/dev/ttyUSB6");
    EXPECT_EQ(FindComDeviceByIdentity(withoutSerial), "/dev/ttyUSB7");
    EXPECT_EQ(FindComDeviceByIdentity(UsbIdentity()), "");

    // The number the device maps to now; a port's own link comes first.
    EXPECT_EQ(ComPortOfDevice("/dev/ttyUSB6"), 23);
    EXPECT_EQ(ComPortOfDevice("/dev/ttyACM0"), 33);
    std::string device;
    LinkPty(60, &device);
    EXPECT_EQ(ComPortOfDevice(device), 60);
    EXPECT_EQ(ComPortOfDevice("/dev/nothing"), 0);
}

TEST(ComPortLine, ShowsWhatTellsAdaptersApart)
{
    struct Case {
        const char *manufacturer;
        const char *product;
        const char *serial;
        const char *expected;
    } cases[] = {
        {"FTDI", "FT232R USB UART", "A12345", "COM18  /dev/ttyUSB1  FTDI FT232R USB UART  S/N A12345"},
        {"Prolific", "Prolific USB-Serial", "", "COM18  /dev/ttyUSB1  Prolific USB-Serial  USB 1-1.3"},
        {"", "USB Serial", "", "COM18  /dev/ttyUSB1  USB Serial  USB 1-1.3"},
        {"", "", "", "COM18  /dev/ttyUSB1  USB 1a86:7523  USB 1-1.3"},
    };
    for (const Case &c : cases) {
        ComPortInfo info;
        info.port = 18;
        info.device = "/dev/ttyUSB1";
        info.manufacturer = c.manufacturer;
        info.product = c.product;
        info.usb.vendorId = 0x1a86;
        info.usb.productId = 0x7523;
        info.usb.serialNumber = c.serial;
        info.usb.usbPath = "1-1.3";
        EXPECT_EQ(FormatComPortLine(info), c.expected);
    }
}
