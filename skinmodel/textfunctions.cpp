#include "textfunctions.h"

#include <cmath>
#include <limits>

namespace {

bool isplaceholder(const QString &value)
{
    return value.startsWith(QLatin1Char('['));
}

// A number attribute of the Tessary skin; 0 when it does not convert or is
// not finite ("1e39" overflows a float, "inf" converts but is no coordinate).
double attributenumber(const QString &value)
{
    bool ok = false;
    const float number = value.toFloat(&ok);
    if (!ok || !std::isfinite(number))
        return 0.0;
    return number;
}

// Rounds halves upward and writes the integer; out-of-range results are
// clamped rather than overflowing, and an undefined result (a factor that
// is not finite) gives 0.
QString roundedtext(double x)
{
    if (std::isnan(x))
        return QStringLiteral("0");
    const double rounded = std::floor(x + 0.5);
    const double lowest = std::numeric_limits<qint32>::min();
    const double highest = std::numeric_limits<qint32>::max();
    if (rounded <= lowest)
        return QString::number(std::numeric_limits<qint32>::min());
    if (rounded >= highest)
        return QString::number(std::numeric_limits<qint32>::max());
    return QString::number(static_cast<qint32>(rounded));
}

} // namespace

int listindex(const QList<QString> &list, const QString &value)
{
    return list.indexOf(value);
}

QString tabs(int level)
{
    QString text;
    for (int i = 0; i < level; ++i)
        text.append(QLatin1Char('\t'));
    return text;
}

QString parseaction(const QString &action)
{
    // One pass, with the effect of replacing, in this order, every double
    // quote by "&quot;", every " & " by " &amp; ", every ">" by "&gt;" and
    // every "<" by "&lt;": none of these replacements makes or breaks a
    // match of another, and " & " matches never overlap, as with
    // QString::replace, whose repeated moves take quadratic time on long
    // scripts.
    QString text;
    text.reserve(action.size() + action.size() / 8);
    const QChar *c = action.constData();
    const int length = action.size();
    for (int i = 0; i < length; ++i) {
        switch (c[i].unicode()) {
        case '"':
            text += QLatin1String("&quot;");
            break;
        case '>':
            text += QLatin1String("&gt;");
            break;
        case '<':
            text += QLatin1String("&lt;");
            break;
        case ' ':
            if (i + 2 < length && c[i + 1] == QLatin1Char('&') && c[i + 2] == QLatin1Char(' ')) {
                text += QLatin1String(" &amp; ");
                i += 2;
                break;
            }
            text += c[i];
            break;
        default:
            text += c[i];
        }
    }
    return text;
}

QString resizepos(const QString &value, float resizeX, int groupXpos)
{
    if (isplaceholder(value))
        return value;
    // Widened before multiplying: in float, 5 * 0.7f would round up to 3.5.
    const double x = attributenumber(value) * static_cast<double>(resizeX) + groupXpos;
    return roundedtext(x);
}

QString resizesize(const QString &value, float resize)
{
    if (isplaceholder(value))
        return value;
    return roundedtext(attributenumber(value) * static_cast<double>(resize));
}

int textint(const QString &text)
{
    bool ok = false;
    const int number = text.toInt(&ok, 10);
    return ok ? number : 0;
}
