#include "content/topiccatalogue.h"

#include "content/topicdata.h"

namespace palmora {

static_assert(palmora::kTopicCount == TopicCatalogue::kTopicCount);

TopicCatalogue::TopicCatalogue()
{
    fill();
}

void TopicCatalogue::fill()
{
    const std::array<TopicText, kTopicCount> &texts = TopicData::texts();
    // Names first, then significances, then shapes: a partly filled table never
    // mixes rows of two different fills.
    for (int t = 0; t < kTopicCount; ++t)
        m_name[t] = TopicData::tr(texts[t].name);
    for (int t = 0; t < kTopicCount; ++t)
        m_significance[t] = TopicData::tr(texts[t].significance);
    for (int t = 0; t < kTopicCount; ++t)
        m_shapeLocation[t] = TopicData::tr(texts[t].shapeLocation);
}

} // namespace palmora
