#include "ordinaryuser.h"

#include <QDirIterator>
#include <QFile>
#include <QtGlobal>

#include <unistd.h>

namespace palmora::testing {

namespace {

bool giveToNobody(const QString &path)
{
    return ::lchown(QFile::encodeName(path).constData(), OrdinaryUser::kNobody, OrdinaryUser::kNobody) == 0;
}

} // namespace

OrdinaryUser::OrdinaryUser(const QStringList &folders)
{
    if (::geteuid() != 0)
        return;
    bool given = true;
    for (const QString &folder : folders) {
        given = giveToNobody(folder) && given;
        QDirIterator inside(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                            QDirIterator::Subdirectories);
        while (inside.hasNext())
            given = giveToNobody(inside.next()) && given;
    }
    // The real ids change too, as access() and so QFileInfo::isWritable() judge
    // by them; the saved ids stay root's, for the way back.
    m_switched = given && ::setresgid(kNobody, kNobody, 0) == 0 && ::setresuid(kNobody, kNobody, 0) == 0;
}

OrdinaryUser::~OrdinaryUser()
{
    // The rest of the suite must not run as anybody else.
    if (m_switched && (::setresuid(0, 0, 0) != 0 || ::setresgid(0, 0, 0) != 0))
        qFatal("OrdinaryUser: could not take root's ids back");
}

bool OrdinaryUser::isOrdinary() const
{
    return ::geteuid() != 0;
}

} // namespace palmora::testing
