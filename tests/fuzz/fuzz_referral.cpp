// Builds the referral address from arbitrary texts and decodes it again: the
// decoded fields must equal the texts, whatever they hold.
#include "web/referral.h"
#include "web/sitepages.h"

#include <QByteArray>
#include <QList>
#include <QUrl>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    QList<QByteArray> parts = input.split('\0');
    while (parts.size() < 5)
        parts.append(QByteArray());
    const palmora::ReferralFields fields {QString::fromUtf8(parts[0]), QString::fromUtf8(parts[1]),
                                          QString::fromUtf8(parts[2]), QString::fromUtf8(parts[3]),
                                          QString::fromUtf8(parts[4])};
    const QString address = palmora::referralAddress(fields);

    const QString prefix = palmora::pageAddress(QStringLiteral("pxvs-refer-a-friend"));
    if (!address.startsWith(prefix) || !QUrl(address, QUrl::StrictMode).isValid())
        std::abort();
    const QList<QByteArray> parameters = address.mid(prefix.size()).toLatin1().split('&');
    // The first split piece is empty: the address goes on with "&taf1=".
    if (parameters.size() != 7 || !parameters[0].isEmpty())
        std::abort();
    const QString expected[] = {fields.senderName, fields.senderEmail, fields.message,
                                fields.friendName, fields.friendEmail, palmora::productFolderAddress()};
    for (int i = 0; i < 6; ++i) {
        const QByteArray name = "taf" + QByteArray::number(i + 1) + "=";
        const QByteArray &parameter = parameters[i + 1];
        if (!parameter.startsWith(name))
            std::abort();
        if (QString::fromUtf8(QByteArray::fromPercentEncoding(parameter.mid(name.size()))) != expected[i])
            std::abort();
    }
    return 0;
}
