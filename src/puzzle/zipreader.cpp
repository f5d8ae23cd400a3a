// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#include "puzzle/zipreader.h"
#include "puzzle/puzzlefile.h"

#include <QStringList>
#include <QtEndian>
#include <zlib.h>

#include <algorithm>

namespace {

constexpr uint32_t EndSignature = 0x06054b50;
constexpr uint32_t CentralSignature = 0x02014b50;
constexpr uint32_t LocalSignature = 0x04034b50;
constexpr qsizetype EndSize = 22;
constexpr qsizetype CentralSize = 46;
constexpr qsizetype LocalSize = 30;

// Little-endian fields read only after their bounds are checked.
class Bytes {
public:
    explicit Bytes(const QByteArray &bytes) : m_bytes(bytes) {}
    bool has(qsizetype at, qsizetype n) const { return at >= 0 && n >= 0 && at <= m_bytes.size() - n; }
    uint16_t u16(qsizetype at) const { return qFromLittleEndian<uint16_t>(m_bytes.constData() + at); }
    uint32_t u32(qsizetype at) const { return qFromLittleEndian<uint32_t>(m_bytes.constData() + at); }
    QByteArray mid(qsizetype at, qsizetype n) const { return m_bytes.mid(at, n); }
    qsizetype size() const { return m_bytes.size(); }

private:
    const QByteArray &m_bytes;
};

ZipMember failed(const QString &why)
{
    return {std::nullopt, why};
}

// Inflates raw deflate data, stopping as soon as the output would pass `maxBytes`.
std::optional<QByteArray> inflateBounded(const QByteArray &packed, qsizetype expected, qsizetype maxBytes, bool *tooLarge)
{
    z_stream stream{};
    if (inflateInit2(&stream, -MAX_WBITS) != Z_OK)
        return std::nullopt;
    QByteArray out;
    out.resize(std::min(expected, maxBytes) + 1);
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(packed.constData()));
    stream.avail_in = uInt(packed.size());
    int status = Z_OK;
    while (status == Z_OK) {
        if (stream.total_out >= uLong(out.size())) {
            if (out.size() > maxBytes) {
                *tooLarge = true;
                break;
            }
            out.resize(std::min(out.size() * 2, maxBytes + 1));
        }
        stream.next_out = reinterpret_cast<Bytef *>(out.data() + stream.total_out);
        stream.avail_out = uInt(out.size() - qsizetype(stream.total_out));
        status = inflate(&stream, Z_NO_FLUSH);
    }
    const qsizetype produced = qsizetype(stream.total_out);
    inflateEnd(&stream);
    if (status != Z_STREAM_END || produced > maxBytes) {
        *tooLarge = *tooLarge || produced > maxBytes;
        return std::nullopt;
    }
    out.truncate(produced);
    return out;
}

} // namespace

ZipMember unzipOnlyMember(const QByteArray &zip, const QStringList &suffixes, qsizetype maxBytes)
{
    const Bytes bytes(zip);
    // The end record sits in the last 22 bytes plus a comment of up to 64 KiB.
    qsizetype end = -1;
    for (qsizetype at = bytes.size() - EndSize; at >= 0 && at >= bytes.size() - EndSize - 0xFFFF; --at)
        if (bytes.u32(at) == EndSignature) {
            end = at;
            break;
        }
    if (end < 0)
        return failed(PuzzleFileError::endsEarly());
    const int entries = bytes.u16(end + 10);
    qsizetype at = bytes.u32(end + 16);

    qsizetype chosenLocal = -1, chosenPacked = 0, chosenSize = 0;
    uint16_t chosenMethod = 0;
    uint32_t chosenCrc = 0;
    int found = 0;
    for (int i = 0; i < entries; ++i) {
        if (!bytes.has(at, CentralSize) || bytes.u32(at) != CentralSignature)
            return failed(PuzzleFileError::damaged());
        const qsizetype nameLength = bytes.u16(at + 28);
        const qsizetype skip = CentralSize + nameLength + bytes.u16(at + 30) + bytes.u16(at + 32);
        if (!bytes.has(at, skip))
            return failed(PuzzleFileError::endsEarly());
        const QString name = QString::fromUtf8(bytes.mid(at + CentralSize, nameLength));
        const bool wanted = !name.startsWith(QLatin1String("__MACOSX/"))
            && std::any_of(suffixes.begin(), suffixes.end(), [&](const QString &s) { return name.endsWith(s, Qt::CaseInsensitive); });
        if (wanted) {
            ++found;
            chosenMethod = bytes.u16(at + 10);
            chosenCrc = bytes.u32(at + 16);
            chosenPacked = bytes.u32(at + 20);
            chosenSize = bytes.u32(at + 24);
            chosenLocal = bytes.u32(at + 42);
        }
        at += skip;
    }
    if (found != 1)
        return failed(PuzzleFileError::notCrossword());
    if (chosenSize > maxBytes)
        return failed(PuzzleFileError::fileTooLarge());
    if (!bytes.has(chosenLocal, LocalSize) || bytes.u32(chosenLocal) != LocalSignature)
        return failed(PuzzleFileError::damaged());
    const qsizetype dataAt = chosenLocal + LocalSize + bytes.u16(chosenLocal + 26) + bytes.u16(chosenLocal + 28);
    if (!bytes.has(dataAt, chosenPacked))
        return failed(PuzzleFileError::endsEarly());
    const QByteArray packed = bytes.mid(dataAt, chosenPacked);

    std::optional<QByteArray> member;
    bool tooLarge = false;
    if (chosenMethod == 0)
        member = packed;
    else if (chosenMethod == 8)
        member = inflateBounded(packed, chosenSize, maxBytes, &tooLarge);
    else
        return failed(PuzzleFileError::notCrossword());
    if (tooLarge)
        return failed(PuzzleFileError::fileTooLarge());
    if (!member || member->size() != chosenSize
        || crc32(0, reinterpret_cast<const Bytef *>(member->constData()), uInt(member->size())) != chosenCrc)
        return failed(PuzzleFileError::damaged());
    return {member, {}};
}
