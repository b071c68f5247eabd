// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// libFuzzer entry for the ".kpx" reader: any bytes must be read or refused with a reason, never
// crash, hang or touch memory out of bounds (the sanitizers watch), and whatever is accepted must
// survive a round trip: its written text reads back into a document that writes the same text.
#include "chart/ChartFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using vozavero::chart::ChartFile;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QString error;
    const auto doc = ChartFile::fromBytes(
        QByteArrayView(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)), &error);
    if (!doc) {
        if (error.isEmpty()) {
            std::abort(); // refused without a reason
        }
        return 0;
    }
    const QString text = ChartFile::toText(*doc);
    const auto again = ChartFile::fromText(text, &error);
    if (!again || ChartFile::toText(*again) != text) {
        std::abort(); // the reader refuses or changes what the writer wrote
    }
    return 0;
}
