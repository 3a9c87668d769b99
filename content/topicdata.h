#pragma once

#include <array>

namespace palmora {

// One row of built-in palmistry content. The texts are printable ASCII.
struct TopicText {
    const char *name;
    const char *significance;
    const char *shapeLocation;
};

inline constexpr int kTopicCount = 23;

// Rows 0 to 22 of the catalogue, in catalogue order.
extern const std::array<TopicText, kTopicCount> kTopicTexts;

} // namespace palmora
