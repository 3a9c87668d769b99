#include "content/topiccatalogue.h"

#include "content/topicdata.h"

namespace palmora {

static_assert(palmora::kTopicCount == TopicCatalogue::kTopicCount);

TopicCatalogue::TopicCatalogue()
{
    const std::array<TopicText, kTopicCount> &texts = TopicData::texts();
    for (int t = 0; t < kTopicCount; ++t) {
        m_name[t] = TopicData::tr(texts[t].name);
        m_significance[t] = TopicData::tr(texts[t].significance);
        m_shapeLocation[t] = TopicData::tr(texts[t].shapeLocation);
    }
}

} // namespace palmora
