#pragma once

#include "chart/files/AtomicFileWriter.h"

#include <algorithm>
#include <cerrno>

#include <unistd.h>

namespace virelai::testing {

// A disk that fills after `room` bytes.
class FullDiskWriter : public AtomicFileWriter
{
public:
    explicit FullDiskWriter(size_t room = 0)
        : m_room(room)
    { }

protected:
    ssize_t writeSome(int fd, const char *data, size_t size) override
    {
        if (m_room == 0) {
            errno = ENOSPC;
            return -1;
        }
        const ssize_t written = ::write(fd, data, std::min(size, m_room));
        m_room -= size_t(std::max<ssize_t>(written, 0));
        return written;
    }

private:
    size_t m_room;
};

} // namespace virelai::testing
