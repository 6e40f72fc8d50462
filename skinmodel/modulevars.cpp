#include "modulevars.h"

#include "skinmodel.h"
#include "hostrecord.h"

#include <QStringList>

namespace {

const QString tyxprefix = QStringLiteral("$TYX_");
const int fieldcount = 3;

QStringList splititems(const QString &text)
{
    return text.split(QLatin1Char(','), Qt::KeepEmptyParts);
}

QStringList splitfields(const QString &item)
{
    return item.split(QLatin1Char('='), Qt::KeepEmptyParts);
}

QString withoutblanks(QString text)
{
    return text.remove(QLatin1Char(' '));
}

// The integer part of a value as text: "1.00000" gives "1".
QString integerpart(const QString &value)
{
    return value.section(QLatin1Char('.'), 0, 0);
}

} // namespace

VariableRows gettyxglobalvars(const QString &name)
{
    VariableRows rows;
    if (name.isEmpty())
        return rows;
    for (const QString &item : splititems(name)) {
        const QStringList fields = splitfields(item);
        if (fields.size() < fieldcount)
            continue;
        const QString variable = withoutblanks(fields.at(0));
        if (variable.startsWith(tyxprefix))
            rows.append({variable, fields.at(1), fields.at(2)});
    }
    return rows;
}

VariableRows getsystemglobalvars(const QString &name)
{
    VariableRows rows;
    if (name.isEmpty())
        return rows;
    for (const QString &item : splititems(name)) {
        if (item.trimmed().isEmpty())
            continue;
        QStringList fields = splitfields(item);
        fields[0] = withoutblanks(fields.at(0));
        if (fields.at(0).startsWith(tyxprefix))
            continue;
        rows.append(fields.mid(0, fieldcount));
    }
    return rows;
}

void SkinModel::getglobalvars(const QString &name)
{
    const QString text = HostRecord(name).variablestext();
    if (text.isEmpty())
        return;
    for (const QString &item : splititems(text)) {
        const QStringList fields = splitfields(item);
        if (fields.size() < fieldcount)
            continue;
        QString variable = fields.at(0);
        variable.remove(QLatin1Char('$'));
        variable = withoutblanks(variable);
        if (!variable.contains(QLatin1String("TYX_")))
            continue;
        const QString value = integerpart(fields.at(2));
        if (variable.contains(QLatin1String("_clone"))) {
            variable.remove(QStringLiteral("_clone"));
            variable.remove(QStringLiteral("TYX_"));
            clonevars.append({variable, value});
        } else {
            variable.remove(QStringLiteral("TYX_"));
            groupvars.append({variable, value});
        }
    }
}
