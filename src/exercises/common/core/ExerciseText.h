#pragma once

#include <QString>

// Texts every exercise kind builds the same way.

// Polish letters (ą ć ę ł ń ś ź ż and capitals, ó stays) as decimal character
// references, for the printed page; nothing else is changed.
QString ToHtmlText(const QString& text);

// The printed page: head with the style sheet, the title as a heading, the
// kind's body, a footer naming the publisher and the product.
QString PrintPage(const QString& title, const QString& body);

// round(part / whole x 100) with halves to even; `whole` must be positive.
int PercentHalfEven(int part, int whole);

// The result line: "%s %d / %d" with the label (interface text 155).
QString ResultLine(const QString& label, int done, int total);
