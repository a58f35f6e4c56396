#pragma once

#include "messages/N183SentenceView.h"
#include "n183/IN183FieldSource.h"
#include "n183/N183FieldInfo.h"
#include "n183/N183Sentence.h"

#include <string>
#include <vector>

namespace KelpLib {

// A sentence cut into its fields, its definition in the sentence library and the library's
// field definitions laid over its fields. The field infos point at this object, so it is
// neither copied nor moved: a copy is made by parsing the sentence record again.
class N183ParsedSentence : public StandardsLib::IN183FieldSource {
public:
    explicit N183ParsedSentence(const N183SentenceRecord& sentence);
    N183ParsedSentence(const N183ParsedSentence&) = delete;
    N183ParsedSentence& operator=(const N183ParsedSentence&) = delete;

    std::string_view fieldText(unsigned position) const override;

    const N183SentenceView& view() const { return parse; }
    std::string talker() const { return parse.talker; }
    std::string formatter() const { return parse.formatter; }
    unsigned fieldCount() const { return parse.fieldCount; }
    // The definition's name, or "No name available".
    std::string name() const;
    // All fields joined by ",", each cut to at most 100 characters.
    std::string dataText() const;

    const StandardsLib::N183Sentence_s* definition() const { return sentence; }
    const std::vector<StandardsLib::N183FieldInfo>& fieldInfos() const { return infos; }

private:
    void buildFieldList();

    N183SentenceRecord working;
    N183SentenceView parse;
    const StandardsLib::N183Sentence_s* sentence = nullptr;
    std::vector<StandardsLib::N183FieldInfo> infos;
};

} // namespace KelpLib
