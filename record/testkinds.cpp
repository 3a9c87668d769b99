#include "record/testkinds.h"

namespace palmora {

QString TestKinds::key(TestMode mode)
{
    switch (mode) {
    case TestMode::ByName:
        return QStringLiteral("name");
    case TestMode::BySignificance:
        return QStringLiteral("significance");
    case TestMode::ByLocationShape:
        return QStringLiteral("location-shape");
    }
    return {};
}

std::optional<TestMode> TestKinds::fromKey(const QString &key)
{
    for (const TestMode mode : kAll) {
        if (TestKinds::key(mode) == key)
            return mode;
    }
    return std::nullopt;
}

QString TestKinds::shownName(TestMode mode, TopicChoice choice)
{
    // Whole phrases, so that a translation can put the words in its own order.
    switch (mode) {
    case TestMode::ByName:
        return choice == TopicChoice::Missed ? tr("missed topics by name")
            : choice == TopicChoice::Weakest ? tr("weakest topics by name")
                                             : tr("by name");
    case TestMode::BySignificance:
        return choice == TopicChoice::Missed ? tr("missed topics by significance")
            : choice == TopicChoice::Weakest ? tr("weakest topics by significance")
                                             : tr("by significance");
    case TestMode::ByLocationShape:
        return choice == TopicChoice::Missed ? tr("missed topics by location / shape")
            : choice == TopicChoice::Weakest ? tr("weakest topics by location / shape")
                                             : tr("by location / shape");
    }
    return {};
}

} // namespace palmora
