// Arbitrary datagrams through the discovery answer handling: no read outside the datagram,
// the table never overflows, and every stored name keeps its terminating NUL.

#include "switcher_data.h"

#include <QCoreApplication>
#include <QHostAddress>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_discovery";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    static SWITCHER_DATA sd;
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    if (sd.DevInfo_DATA_IDX() >= SWITCHER_DATA::DEV_TABLE_SIZE)
        sd.setSearcheQuipment();  // no card chosen: empties the table, sends nothing

    // A fresh copy, so the sanitizer sees the datagram's true end.
    const QByteArray datagram(reinterpret_cast<const char*>(data), static_cast<int>(size));
    const int before = sd.DevInfo_DATA_IDX();
    const QHostAddress sender(quint32(0x7F000002));
    sd.MYanalysis(sender, datagram);
    sd.Get_Bind_Dev(sender, datagram);
    const int after = sd.DevInfo_DATA_IDX();
    if (after < before || after > SWITCHER_DATA::DEV_TABLE_SIZE || after - before > 2)
        std::abort();
    for (int i = before; i < after; ++i)
        if (sd.devInfo(i).name[31] != '\0' || sd.devInfo(i).ip != 0x7F000002u)
            std::abort();
    return 0;
}
