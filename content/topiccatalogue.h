#pragma once

#include <QString>

#include <array>
#include <cstdint>

namespace palmora {

using TopicIndex = std::int16_t;

// The built-in body of palmistry knowledge: 23 topics, each with a name, what it
// signifies, what it looks like or where it lies, and the number of its picture.
class TopicCatalogue {
public:
    static constexpr int kTopicCount = 23;
    // Room for 24 rows; the last one is never filled and reads as empty text.
    static constexpr int kRowCount = 24;

    // Rows 0 to 22 hold their built-in texts in the language installed at the
    // time.
    TopicCatalogue();

    const QString &topicName(int t) const { return m_name.at(t); }
    const QString &significance(int t) const { return m_significance.at(t); }
    const QString &shapeLocation(int t) const { return m_shapeLocation.at(t); }

    // Number (1 to 24) of the topic's picture; picture 15 belongs to no topic.
    static constexpr int topicPicture(int t) { return t <= 13 ? t + 1 : t + 2; }

private:
    std::array<QString, kRowCount> m_name;
    std::array<QString, kRowCount> m_significance;
    std::array<QString, kRowCount> m_shapeLocation;
};

} // namespace palmora
