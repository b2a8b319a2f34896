#pragma once

#include <QByteArray>
#include <QtEndian>

#include <initializer_list>

// Writes small metafiles by hand for the player's tests. Parameters are given
// in file order (Windows stores a call's arguments last to first).
class WmfBuilder
{
public:
    WmfBuilder &placeable(qint16 left, qint16 top, qint16 right, qint16 bottom, quint16 inch = 1440)
    {
        m_placeable.clear();
        appendWord(m_placeable, 0xCDD7);
        appendWord(m_placeable, 0x9AC6);
        for (qint16 value : {qint16(0), left, top, right, bottom})
            appendWord(m_placeable, quint16(value));
        appendWord(m_placeable, inch);
        appendWord(m_placeable, 0);
        appendWord(m_placeable, 0);
        appendWord(m_placeable, 0); // checksum, not checked by the player
        return *this;
    }
    WmfBuilder &record(quint16 function, std::initializer_list<quint16> params)
    {
        appendDword(m_records, quint32(3 + params.size()));
        appendWord(m_records, function);
        for (quint16 param : params)
            appendWord(m_records, param);
        return *this;
    }
    WmfBuilder &recordWithBytes(quint16 function, std::initializer_list<quint16> before,
                                const QByteArray &bytes, std::initializer_list<quint16> after)
    {
        QByteArray padded = bytes;
        if (padded.size() % 2)
            padded.append('\0');
        appendDword(m_records, quint32(3 + before.size() + padded.size() / 2 + after.size()));
        appendWord(m_records, function);
        for (quint16 param : before)
            appendWord(m_records, param);
        m_records.append(padded);
        for (quint16 param : after)
            appendWord(m_records, param);
        return *this;
    }
    WmfBuilder &raw(const QByteArray &bytes)
    {
        m_records.append(bytes);
        return *this;
    }

    // Window 0..100, a solid brush in slot 0 and a null pen in slot 1, both selected.
    static WmfBuilder filling(quint32 bgr)
    {
        return WmfBuilder().window(0, 0, 100, 100).solidBrush(bgr).select(0).nullPen().select(1);
    }

    // Common records
    WmfBuilder &window(qint16 x, qint16 y, qint16 width, qint16 height)
    {
        return record(0x020B, {quint16(y), quint16(x)})
            .record(0x020C, {quint16(height), quint16(width)});
    }
    WmfBuilder &solidBrush(quint32 bgr) { return record(0x02FC, {0, lo(bgr), hi(bgr), 0}); }
    WmfBuilder &nullPen() { return record(0x02FA, {5, 0, 0, 0, 0}); }
    WmfBuilder &select(quint16 index) { return record(0x012D, {index}); }
    WmfBuilder &rectangle(qint16 left, qint16 top, qint16 right, qint16 bottom)
    {
        return record(0x041B, {quint16(bottom), quint16(right), quint16(top), quint16(left)});
    }
    // STRETCHDIB: a bitmap of width x height stretched over the window 0..100.
    WmfBuilder &stretchDib(const QByteArray &dib, quint16 width = 1, quint16 height = 1)
    {
        return recordWithBytes(0x0F43, {0x0020, 0x00CC, 0, height, width, 0, 0, 100, 100, 0, 0},
                               dib, {});
    }
    WmfBuilder &font(qint16 height, const QByteArray &face, quint8 charset = 0)
    {
        QByteArray name = face;
        name.resize(32, '\0');
        return recordWithBytes(
            0x02FB, {quint16(height), 0, 0, 0, 400, 0, quint16(charset << 8), 0, 0}, name, {});
    }
    WmfBuilder &textOut(qint16 x, qint16 y, const QByteArray &text)
    {
        return recordWithBytes(0x0521, {quint16(text.size())}, text, {quint16(y), quint16(x)});
    }

    QByteArray bytes(quint16 objectCount = 16) const
    {
        QByteArray records = m_records;
        appendDword(records, 3);
        appendWord(records, 0); // end of file
        QByteArray header;
        appendWord(header, 1);
        appendWord(header, 9);
        appendWord(header, 0x0300);
        appendDword(header, quint32((18 + records.size()) / 2));
        appendWord(header, objectCount);
        appendDword(header, 0);
        appendWord(header, 0);
        return m_placeable + header + records;
    }

    // A BITMAPINFOHEADER; the colour table and the pixels follow it.
    static QByteArray dibHeader(qint32 width, qint32 height, quint16 bitCount,
                                quint32 colorsUsed = 0, quint32 compression = 0)
    {
        QByteArray dib;
        for (quint32 value : {40u, quint32(width), quint32(height)})
            appendDword(dib, value);
        appendWord(dib, 1);
        appendWord(dib, bitCount);
        for (quint32 value : {compression, 0u, 0u, 0u, colorsUsed, 0u})
            appendDword(dib, value);
        return dib;
    }

    static quint16 lo(quint32 value) { return quint16(value & 0xFFFF); }
    static quint16 hi(quint32 value) { return quint16(value >> 16); }
    static void appendWord(QByteArray &out, quint16 value)
    {
        out.append(char(value & 0xFF));
        out.append(char(value >> 8));
    }
    static void appendDword(QByteArray &out, quint32 value)
    {
        appendWord(out, lo(value));
        appendWord(out, hi(value));
    }

private:
    QByteArray m_placeable;
    QByteArray m_records;
};
