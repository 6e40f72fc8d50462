#include "pixelblock.h"

#include <cstdlib>

// The address sanitizer watches the heap only: under it the block stays
// there, so that a stray write into the rows is still caught.
#if defined(Q_OS_LINUX) && !defined(__SANITIZE_ADDRESS__)
#define TYX_PIXELBLOCK_MAPPED 1
#include <sys/mman.h>
#endif

PixelBlock::~PixelBlock()
{
    resize(0);
}

bool PixelBlock::resize(std::size_t bytes)
{
#ifdef TYX_PIXELBLOCK_MAPPED
    void *moved = MAP_FAILED;
    if (bytes == 0)
        moved = m_data && ::munmap(m_data, m_size) != 0 ? MAP_FAILED : nullptr;
    else if (m_data)
        moved = ::mremap(m_data, m_size, bytes, MREMAP_MAYMOVE);
    else
        moved = ::mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (moved == MAP_FAILED)
        return false;
#else
    void *moved = nullptr;
    if (bytes == 0) {
        std::free(m_data);
    } else {
        moved = std::realloc(m_data, bytes);
        if (!moved)
            return false;
    }
#endif
    m_data = static_cast<uchar *>(moved);
    m_size = bytes;
    return true;
}
