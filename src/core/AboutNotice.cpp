#include "core/AboutNotice.h"

#include "core/Version.h"

namespace AboutNotice {

QString text()
{
    const QString crlf = QStringLiteral("\r\n");
    const QString sections[3][2] = {
        {QStringLiteral("Ownership"),
         QStringLiteral(
             "The author keeps the ownership and the copyright of this freeware program. You do "
             "not own the software, not even after you have downloaded it. Instead, the author "
             "grants you a license to use it. In this way the author keeps legal and "
             "intellectual control over the work.")},
        {QStringLiteral("License"),
         QStringLiteral(
             "The license is the author's written permission for you to use the software. It "
             "allows you to use the software and to pass it on to others, as long as it stays "
             "unaltered. Letting its users pass the program on makes a broad-based, low cost "
             "platform for its wide distribution.")},
        {QStringLiteral("Cost"),
         QStringLiteral("This program is absolutely free. Unlike shareware, nothing has to be "
                        "paid for using it, though contributions are always welcome.")},
    };
    QString notice;
    for (const auto &section : sections) {
        if (!notice.isEmpty())
            notice += crlf + crlf;
        notice += section[0] + crlf + section[1];
    }
    return notice;
}

QString versionText()
{
    return QStringLiteral("Version %1.%2 build #%3")
        .arg(Version::Major)
        .arg(Version::Minor)
        .arg(Version::Patch);
}

QList<TitleSearch> titleSearches()
{
    return {{QStringLiteral("Ownership"), false},
            {QStringLiteral("License"), true},
            {QStringLiteral("Cost"), true}};
}

} // namespace AboutNotice
