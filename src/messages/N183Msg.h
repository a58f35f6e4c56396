#pragma once

#include "common/ByteBuffer.h"
#include "messages/IGridRender.h"
#include "messages/IListRender.h"
#include "messages/IMessage.h"
#include "messages/ListColumn.h"
#include "messages/N183ParsedSentence.h"
#include "messages/N183SentenceView.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace KelpLib {

// One NMEA 0183 sentence of the log: the sentence text as an element holds it (from '$' or '!'
// up to CR LF, a checksum included), cut into talker, formatter and fields, with the sentence
// library's field definitions laid over the fields. It renders itself as title rows and a field
// table, as list cells, as a key text, as a BST 0x9D message and through a grid adapter made
// once and then shared.
//
// The parse (working copy, fields, definition and field list) lives in an N183ParsedSentence
// whose field infos point into it; a copy therefore takes over only the sentence record and
// parses it again.
class N183Msg : public IGridRender, public IListRender, public StandardsLib::IMessage {
public:
    N183Msg();
    // Takes the bytes when there are 1 to 299 of them; otherwise the sentence stays empty.
    explicit N183Msg(const ByteBuffer& message);
    // The record's text must be terminated at its length; a length of 300 or more is empty.
    explicit N183Msg(const N183SentenceRecord& sentence);
    N183Msg(const N183Msg& other);
    N183Msg& operator=(const N183Msg& other);
    ~N183Msg() override;

    const N183SentenceRecord& record() const { return sentence; }
    std::uint32_t timeWord() const { return sentence.time; }
    std::uint32_t textLength() const { return sentence.length; }
    // The sentence text as received, checksum included.
    std::string_view text() const { return {sentence.text, sentence.length}; }

    std::string talker() const;
    std::string formatter() const;
    // The definition's name, or "No name available".
    std::string name() const;
    // Empty at or beyond the field count.
    std::string fieldText(std::uint32_t index) const;
    // All fields joined by ",", each cut to at most 100 characters.
    std::string dataText() const;
    std::uint32_t fieldCount() const;

    // The sentence definition, null when the formatter is unknown or the text is no sentence.
    const StandardsLib::N183Sentence_s* definition() const;
    const std::vector<StandardsLib::N183FieldInfo>& fieldInfos() const;
    const N183SentenceView& view() const;

    // Appends the list columns of a log in which NMEA 0183 sentences predominate.
    static void listColumns(std::vector<ListColumn>& out);

    // StandardsLib::IMessage
    // "%s_%s": talker, formatter.
    std::string key() const override;
    // The BST 0x9D message: the id, then the length byte and the text when the text is shorter
    // than 251 characters, otherwise a single 0.
    std::shared_ptr<KorvBuf> raw() const override;

    // IGridRender
    std::uint32_t titleRowCount() const override;
    std::string titleRow(std::uint32_t row) const override;
    std::uint32_t rowCount() const override;
    std::uint32_t columnCount() const override;
    std::string rowHeader(std::uint32_t row) const override;
    std::string columnName(std::uint32_t column) const override;
    std::string cellText(std::uint32_t row, const std::string& columnName) const override;

    // IListRender: 3 talker, 4 formatter, 8 text length, 9 data text; every other id empty.
    std::string listText(const ListColumn& column) const override;
    std::string listText(std::uint32_t columnId) const;

private:
    // The parse, made again when it is missing.
    const N183ParsedSentence& parsed() const;
    void parse() const;

    N183SentenceRecord sentence;
    // Engaged once parsed; never copied (its field infos point into it).
    mutable std::optional<N183ParsedSentence> parsedSentence;
};

} // namespace KelpLib
