#include "content/topiccatalogue.h"

#include "content/topicdata.h"

namespace palmora {

static_assert(palmora::kTopicCount == TopicCatalogue::kTopicCount);

void TopicCatalogue::fill()
{
    // Names first, then significances, then shapes: a partly filled table never
    // mixes rows of two different fills.
    for (int t = 0; t < kTopicCount; ++t)
        m_name[t] = QString::fromLatin1(kTopicTexts[t].name);
    for (int t = 0; t < kTopicCount; ++t)
        m_significance[t] = QString::fromLatin1(kTopicTexts[t].significance);
    for (int t = 0; t < kTopicCount; ++t)
        m_shapeLocation[t] = QString::fromLatin1(kTopicTexts[t].shapeLocation);
}

} // namespace palmora
