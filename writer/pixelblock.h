#pragma once
// One block of memory that grows without copying what it holds: the pixel
// rows of a picture too large to be held twice.
//
// A large block inside the heap would often be placed in the room that a
// freed document left there; it then cannot grow where it stands, and
// growing copies it and keeps the old room held by the process. Where the
// system can (Linux), the block is a mapping of its own, which the system
// grows by moving its pages and takes back whole when it is freed.
#include <QtGlobal>

#include <cstddef>

class PixelBlock
{
public:
    PixelBlock() = default;
    ~PixelBlock();
    PixelBlock(const PixelBlock &) = delete;
    PixelBlock &operator=(const PixelBlock &) = delete;

    // Gives the block bytes bytes, keeping what it held up to the smaller
    // size; bytes beyond it hold no set value. False, with the block as it
    // was, when there is no memory for them. 0 frees the block.
    bool resize(std::size_t bytes);

    uchar *data() const { return m_data; }

private:
    uchar *m_data = nullptr;
    std::size_t m_size = 0;
};
