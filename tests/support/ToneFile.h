// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTest>
#include <QtEndian>

#include <cmath>

// A mono 16-bit PCM WAV of a sine tone.
inline void writeTone(const QString& path, double frequency, double seconds)
{
    constexpr quint32 rate = 22050;
    const auto samples = static_cast<quint32>(rate * seconds);
    QByteArray data;
    for (quint32 i = 0; i < samples; ++i) {
        const auto value = static_cast<qint16>(6000 * std::sin(2 * M_PI * frequency * i / rate));
        data.append(reinterpret_cast<const char*>(&value), 2); // x86: little-endian already
    }
    const auto le32 = [](quint32 v) {
        const quint32 little = qToLittleEndian(v);
        return QByteArray(reinterpret_cast<const char*>(&little), 4);
    };
    const auto le16 = [](quint16 v) {
        const quint16 little = qToLittleEndian(v);
        return QByteArray(reinterpret_cast<const char*>(&little), 2);
    };
    QByteArray wav = "RIFF" + le32(36 + static_cast<quint32>(data.size())) + "WAVEfmt " + le32(16) + le16(1) + le16(1) +
                     le32(rate) + le32(rate * 2) + le16(2) + le16(16) + "data" +
                     le32(static_cast<quint32>(data.size())) + data;
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(wav);
}
