// libFuzzer entry point for the store and settings readers.
#include "ReaderChecks.h"

#include "app/core/SharedState.h"

#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir(QStringLiteral("/dev/shm/lingo-fuzz-XXXXXX"));
    Shared.AppPath = dir.path();
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString failure = fuzz::checkReaders(bytes, bytes, size % 16 == 0);
    if (!failure.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(failure));
        std::abort();
    }
    return 0;
}
