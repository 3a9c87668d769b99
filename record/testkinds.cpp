#include "record/testkinds.h"

#include <utility>

namespace palmora {

namespace {

template<typename Kind> struct StoredKeys;

template<> struct StoredKeys<TestMode> {
    static constexpr std::array<std::pair<TestMode, const char *>, 3> kEntries {
        {{TestMode::ByName, "name"},
         {TestMode::BySignificance, "significance"},
         {TestMode::ByLocationShape, "location-shape"}}};
};

template<> struct StoredKeys<TopicChoice> {
    static constexpr std::array<std::pair<TopicChoice, const char *>, 3> kEntries {
        {{TopicChoice::Drawn, "drawn"}, {TopicChoice::Missed, "missed"}, {TopicChoice::Weakest, "weakest"}}};
};

template<typename Kind> QString storedKey(Kind kind)
{
    for (const auto &[entry, key] : StoredKeys<Kind>::kEntries) {
        if (entry == kind)
            return QLatin1String(key);
    }
    return {};
}

} // namespace

QString TestKinds::key(TestMode mode)
{
    return storedKey(mode);
}

QString TestKinds::key(TopicChoice choice)
{
    return storedKey(choice);
}

template<typename Kind> std::optional<Kind> TestKinds::fromKey(const QString &key)
{
    for (const auto &[entry, stored] : StoredKeys<Kind>::kEntries) {
        if (key == QLatin1String(stored))
            return entry;
    }
    return std::nullopt;
}

template std::optional<TestMode> TestKinds::fromKey<TestMode>(const QString &key);
template std::optional<TopicChoice> TestKinds::fromKey<TopicChoice>(const QString &key);

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
