#pragma once

#include <QtEndian>
#include <QtGlobal>

namespace virelai {

// The parameter words of one record. Every read is checked against the
// record's own size: a word past the end reads 0, so a short record can never
// make a handler read outside the file.
class WmfParams
{
public:
    WmfParams() = default;
    WmfParams(const uchar *data, quint32 wordCount)
        : m_data(data)
        , m_words(wordCount)
    { }

    quint32 size() const { return m_words; }
    bool has(quint64 count) const { return count <= m_words; }
    quint16 u(quint32 index) const
    {
        return index < m_words ? qFromLittleEndian<quint16>(m_data + 2 * qsizetype(index)) : 0;
    }
    qint16 s(quint32 index) const { return qint16(u(index)); }
    // Two words, low word first.
    quint32 u32(quint32 index) const { return quint32(u(index)) | (quint32(u(index + 1)) << 16); }
    // Bytes from a word offset to the end of the record.
    const uchar *bytesFrom(quint32 wordIndex) const
    {
        return wordIndex < m_words ? m_data + 2 * qsizetype(wordIndex) : nullptr;
    }
    qsizetype byteCountFrom(quint32 wordIndex) const
    {
        return wordIndex < m_words ? 2 * qsizetype(m_words - wordIndex) : 0;
    }

private:
    const uchar *m_data = nullptr;
    quint32 m_words = 0;
};

} // namespace virelai
