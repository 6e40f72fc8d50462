#pragma once
// What a label shows the user: its text as written when Qt shows it as
// plain text, the text of the rendered markup when Qt takes it for HTML (as
// it does for "<b>x</b>" unless the label is told it holds plain text).
// Header-only, as only programs that link widgets use it.
#include <QLabel>
#include <QTextDocument>

inline QString shownText(const QLabel *label)
{
    const bool rich = label->textFormat() == Qt::RichText
                      || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
    if (!rich)
        return label->text();
    QTextDocument document;
    document.setHtml(label->text());
    return document.toPlainText();
}
