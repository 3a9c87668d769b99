#pragma once

#include <QCoreApplication>

#include <array>

namespace palmora {

// One row of built-in palmistry content. The texts are printable ASCII.
struct TopicText {
    const char *name;
    const char *significance;
    const char *shapeLocation;
};

inline constexpr int kTopicCount = 23;

// The built-in palmistry content, in English; tr() gives each text in the
// user's language.
class TopicData {
    Q_DECLARE_TR_FUNCTIONS(TopicData)
public:
    // Rows 0 to 22 of the catalogue, in catalogue order.
    static const std::array<TopicText, kTopicCount> &texts();
};

} // namespace palmora
