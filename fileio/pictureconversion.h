#pragma once
// Converting pictures between pixel formats without Qt's thread pool.
//
// Qt 5.15 splits the conversion of an image of 128 KiB or more (and the
// QPixmap made from such an image) over QThreadPool::globalInstance() and
// waits for the pieces on a semaphore in its own stack frame. Debian 12's Qt
// releases that semaphore in a way that may write into the waiter's frame
// after it has returned, so under load it corrupts whatever stands there
// next. These functions give exactly the pixels and metadata of Qt's own
// calls, but convert in strips small enough that Qt keeps each one on the
// calling thread.
#include <QImage>

class QPixmap;

namespace fileio {

// What image.convertToFormat(format) gives, converted on the calling
// thread. format must be one without a colour table (no Mono or Indexed8):
// Qt picks such a table from the whole picture, which strips cannot
// reproduce; a null image is returned for one.
QImage convertedpicture(const QImage &image, QImage::Format format);

// What QPixmap::fromImage(image) gives, made on the calling thread: the
// picture converted to the format Qt chooses for this screen and for the
// picture's alpha.
QPixmap picturepixmap(const QImage &image);

} // namespace fileio
