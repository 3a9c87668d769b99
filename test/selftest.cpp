#include "test/selftest.h"

#include "test/testoptionspage.h"
#include "test/testquestionpage.h"
#include "test/testresultpage.h"

namespace palmora {

SelfTest::SelfTest(TopicCatalogue &catalogue, const PictureList &pictures, RandomSource &random,
                   QObject *parent)
    : QObject(parent)
    , m_catalogue(catalogue)
    , m_pictures(pictures)
    , m_random(random)
    , m_options(new TestOptionsPage)
    , m_question(new TestQuestionPage)
    , m_result(new TestResultPage)
{
}

SelfTest::~SelfTest() = default;

} // namespace palmora
