#include "web/exittexts.h"

#include "web/sitepages.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace palmora {

namespace {

// The translators' context of the exit screen's fixed texts.
class ExitTexts {
    Q_DECLARE_TR_FUNCTIONS(ExitTexts)
};

QString appealTemplate(int index)
{
    switch (index) {
    case 0:
        return ExitTexts::tr(
            "Vesper Softwares, such as this can be created and kept free only with the help of people "
            "like you. Please visit our forum often, join in the discussions, share what you know and "
            "ask about whatever you would still like to learn.");
    case 1:
        return ExitTexts::tr(
            "Visit %1 regularly. Support the forum that keeps this software free: read the newest "
            "threads, answer a question whenever you can and tell others what you have learnt. Your "
            "posts help us all.");
    case 2:
        return ExitTexts::tr(
            "%1 is a FREE online discussion forum for curious people. Drop in often, post your "
            "questions and answers, and help keep free software alive.");
    case 3:
        return ExitTexts::tr(
            "%1 needs your help. All you need to do is visit the forum regularly, take part in a "
            "discussion or two and bring a friend along. Every visit helps us create more free "
            "programs.");
    }
    return {};
}

} // namespace

QString exitAppeal(int index)
{
    if (index < 0 || index >= kExitAppealCount)
        return {};
    QString text = appealTemplate(index);
    // Appeal 0 names no domain; arg() would warn about the missing marker.
    if (text.contains(QLatin1String("%1")))
        text = text.arg(siteDomainName());
    return text;
}

int exitAppealIndex(double uniform)
{
    if (!(uniform >= 0.0)) // also catches NaN
        return 0;
    return std::clamp(static_cast<int>(std::floor(uniform * kExitAppealCount)), 0, kExitAppealCount - 1);
}

QString otherSoftwareText()
{
    return ExitTexts::tr(
        "If you have enjoyed this software you will like the other programs we make. Star Chart "
        "Tutor walks you through the signs of the zodiac and the meaning of each house. Number "
        "Lore teaches the basics of numerology with short lessons and quick quizzes. Dream "
        "Journal Keeper lets you note your dreams and look back on them later. Face Reading "
        "Primer shows what the features of a face are said to reveal, and Herb Garden Notes helps "
        "you plan a small garden. Every one of them is free to download, simple to learn and "
        "small enough for any computer. Visit our software page to see the full list and fetch "
        "the ones you like.");
}

} // namespace palmora
