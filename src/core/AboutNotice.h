#pragma once

#include <QList>
#include <QString>

// The freeware notice of the About window and where its titles stand.
namespace AboutNotice {

// Three sections, each a title line, CR LF and a paragraph; sections are separated by two
// CR LF pairs and the text ends with the last paragraph. No paragraph spells "License" or
// "Cost" with a capital letter: the title search relies on it.
QString text();

// "Version 1.2 build #10" from the program's own version numbers.
QString versionText();

struct TitleSearch
{
    QString title;
    bool matchCase;
};
// The titles in the order they are formatted. "Ownership" is found without regard to case
// because its title comes before the lower-case word of its paragraph; the others need
// the case to pass over "license" and "cost" in the paragraphs.
QList<TitleSearch> titleSearches();

} // namespace AboutNotice
