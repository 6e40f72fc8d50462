#pragma once
// Makes this process run short of memory: while an AddressSpaceLimit lives,
// the process may map no more than room bytes beyond what it has mapped
// when it is made, so a larger allocation fails as on a machine without
// the memory. The address sanitizer cannot run so (it aborts on a failed
// allocation); hasaddresssanitizer says when a test must not ask for it.
#include <sys/resource.h>

#include <QFile>

namespace testsupport {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool hasaddresssanitizer = true;
#else
constexpr bool hasaddresssanitizer = false;
#endif

class AddressSpaceLimit
{
public:
    explicit AddressSpaceLimit(qint64 room)
    {
        if (getrlimit(RLIMIT_AS, &m_previous) != 0)
            return;
        QFile status(QStringLiteral("/proc/self/status"));
        const QByteArray text = status.open(QIODevice::ReadOnly) ? status.readAll() : QByteArray();
        const int at = text.indexOf("VmSize:");
        if (at < 0)
            return;
        const QByteArray field = text.mid(at + 7, text.indexOf('\n', at) - at - 7);
        const qint64 mapped = QByteArray(field).replace("kB", "").trimmed().toLongLong() * 1024;
        rlimit limited = m_previous;
        limited.rlim_cur = rlim_t(mapped + room);
        m_applied = mapped > 0 && setrlimit(RLIMIT_AS, &limited) == 0;
    }
    ~AddressSpaceLimit()
    {
        if (m_applied)
            setrlimit(RLIMIT_AS, &m_previous);
    }
    AddressSpaceLimit(const AddressSpaceLimit &) = delete;
    AddressSpaceLimit &operator=(const AddressSpaceLimit &) = delete;

    bool isapplied() const { return m_applied; }

private:
    rlimit m_previous{};
    bool m_applied = false;
};

} // namespace testsupport
