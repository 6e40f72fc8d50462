#include "elementwriter.h"

#include "outputdocument.h"
#include "xmlescape.h"
#include "skinmodel/textfunctions.h"

namespace transforms {

QString raw(ElementContext &, const QString &value)
{
    return value;
}

QString posx(ElementContext &context, const QString &value)
{
    return resizepos(value, context.resizeX, context.groupXpos);
}

QString posy(ElementContext &context, const QString &value)
{
    return resizepos(value, context.resizeY, context.groupYpos);
}

QString sizex(ElementContext &context, const QString &value)
{
    return resizesize(value, context.resizeX);
}

QString sizey(ElementContext &context, const QString &value)
{
    return resizesize(value, context.resizeY);
}

namespace {

QString atleast1(const QString &size)
{
    return size == QLatin1String("0") ? QStringLiteral("1") : size;
}

QString withsign(const QString &size)
{
    return textint(size) >= 0 ? QLatin1Char('+') + size : size;
}

} // namespace

QString sizexatleast1(ElementContext &context, const QString &value)
{
    return atleast1(sizex(context, value));
}

QString sizeyatleast1(ElementContext &context, const QString &value)
{
    return atleast1(sizey(context, value));
}

QString signedsizex(ElementContext &context, const QString &value)
{
    return withsign(sizex(context, value));
}

QString signedsizey(ElementContext &context, const QString &value)
{
    return withsign(sizey(context, value));
}

QString action(ElementContext &, const QString &value)
{
    return parseaction(value);
}

} // namespace transforms

ChildRule child(const QStringList &tags, const QVector<AttributeRule> &attributes)
{
    ElementSpec spec;
    spec.ending = Ending::SelfClosing;
    spec.attributes = attributes;
    return child(tags, spec);
}

ChildRule child(const QStringList &tags, const ElementSpec &spec)
{
    ChildRule rule;
    rule.tags = tags;
    rule.spec = std::make_shared<const ElementSpec>(spec);
    return rule;
}

ChildRule child(const QStringList &tags, CustomChild write)
{
    ChildRule rule;
    rule.tags = tags;
    rule.custom = std::move(write);
    return rule;
}

ChildRule textchild(const QStringList &tags)
{
    ElementSpec spec;
    spec.ending = Ending::TextContent;
    return child(tags, spec);
}

void appendattribute(QString &line, const QString &name, const QString &value)
{
    line += QLatin1Char(' ');
    line += name;
    line += QLatin1String("=\"");
    line += xmlattributevalue(value);
    line += QLatin1Char('"');
}

bool isaddno(const QDomElement &element)
{
    return element.attribute(QStringLiteral("add")) == QLatin1String("no");
}

QString writeattributes(ElementContext &context, const QDomElement &element,
                        const QVector<AttributeRule> &rules)
{
    QString line;
    for (const AttributeRule &rule : rules) {
        if (rule.custom) {
            rule.custom(context, element, line);
            continue;
        }
        // A null default tells an absent attribute from an empty one.
        const QString value = element.attribute(rule.name, QString());
        if (value.isNull())
            continue;
        appendattribute(line, rule.name, rule.transform ? rule.transform(context, value) : value);
    }
    return line;
}

namespace {

const ChildRule *rulefor(const QVector<ChildRule> &rules, const QString &tag)
{
    if (tag.isEmpty())
        return nullptr;
    for (const ChildRule &rule : rules) {
        if (rule.tags.contains(tag))
            return &rule;
    }
    return nullptr;
}

// Gathers the text of parent's subtree as QDomElement::text() does, into
// content as markup: run holds the text since the last reference to an
// entity, which is written back by name as the skin wrote it (the skin
// declares no entities, so the name is one the host knows), where text()
// would drop it.
void gathertext(const QDomNode &parent, QString &content, QString &run)
{
    for (QDomNode node = parent.firstChild(); !node.isNull(); node = node.nextSibling()) {
        if (node.isEntityReference()) {
            content += xmltextcontent(run) + QLatin1Char('&') + node.nodeName() + QLatin1Char(';');
            run.clear();
        } else if (node.isText()) {
            run += node.nodeValue();
        } else if (node.isElement()) {
            gathertext(node, content, run);
        }
    }
}

QString textcontent(const QDomElement &element)
{
    QString content;
    QString run;
    gathertext(element, content, run);
    return content + xmltextcontent(run);
}

void writechildren(ElementContext &context, const QDomElement &element, int level,
                   const QVector<ChildRule> &rules)
{
    for (QDomNode node = element.firstChild(); !node.isNull(); node = node.nextSibling()) {
        const QDomElement childelement = node.toElement();
        const ChildRule *rule = rulefor(rules, childelement.tagName());
        if (!rule)
            continue;
        if (rule->custom)
            rule->custom(context, childelement, level + 1);
        else if (rule->spec)
            writeelement(context, childelement, level + 1, *rule->spec);
    }
}

} // namespace

void writeelement(ElementContext &context, const QDomNode &node, int level,
                  const ElementSpec &spec)
{
    const QDomElement element = node.toElement();
    if (spec.add == SkipWhenAddNo && isaddno(element))
        return;
    const QString tag = spec.tag.isEmpty() ? element.tagName() : spec.tag;
    QString line = QLatin1Char('<') + tag + writeattributes(context, element, spec.attributes);

    switch (spec.ending) {
    case Ending::SelfClosing:
        context.document.appendline(level, line + QLatin1String("/>"));
        return;
    case Ending::TextContent:
        context.document.appendline(level, line + QLatin1Char('>') + textcontent(element)
                                               + QLatin1String("</") + tag + QLatin1Char('>'));
        return;
    case Ending::ByChildren:
        if (!element.hasChildNodes()) {
            context.document.appendline(level, line + QLatin1String("/>"));
            return;
        }
        break;
    case Ending::EndTag:
        break;
    }
    context.document.appendline(level, line + QLatin1Char('>'));
    writechildren(context, element, level, spec.children);
    context.document.appendline(level, QLatin1String("</") + tag + QLatin1Char('>'));
}
