// Reading the text form (syntax in FormText.h).
#include "ClassInfo.h"
#include "FormText.h"
#include "FormTextSyntax.h"
#include "TextEncoding.h"

#include <limits>

namespace vcl {
namespace {

enum class TokenKind { EndOfText, Name, Number, String, Hex, Symbol };

// One piece of a quoted text: literal bytes, or a #N code.
struct StringPiece {
    bool isCode = false;
    uint32_t code = 0;
    std::string literal;
};

struct Token {
    TokenKind kind = TokenKind::EndOfText;
    std::string text;                // Name, Symbol, Hex (the bytes)
    int64_t number = 0;              // Number
    std::vector<StringPiece> pieces; // String
    int line = 1;
};

class Lexer {
public:
    explicit Lexer(const std::string& text) : text_(text) {}

    Error Next(Token& token) {
        SkipBlanks();
        token = Token();
        token.line = line_;
        if (pos_ >= text_.size()) return Error();
        const char c = text_[pos_];
        if (IsNameStart(c)) return LexName(token);
        if (c == '-' || IsDigit(c)) return LexNumber(token);
        if (c == '\'' || c == '#') return LexString(token);
        if (c == '{') return LexHex(token);
        if (std::string("=:[](),<>").find(c) != std::string::npos) {
            token.kind = TokenKind::Symbol;
            token.text = std::string(1, c);
            ++pos_;
            return Error();
        }
        return Fail("unexpected character " + Describe(c));
    }

    int Line() const { return line_; }

private:
    static bool IsNameStart(char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
    }
    static bool IsDigit(char c) { return c >= '0' && c <= '9'; }
    static int HexDigit(char c) {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        return -1;
    }
    static std::string Describe(char c) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x21 && byte < 0x7F) return std::string("'") + c + "'";
        return "#" + std::to_string(byte);
    }

    Error Fail(const std::string& message) const {
        return Error("line " + std::to_string(line_) + ": " + message);
    }

    void SkipBlanks() {
        while (pos_ < text_.size()) {
            const char c = text_[pos_];
            if (c == '\n') {
                ++line_;
                ++pos_;
            } else if (c == ' ' || c == '\t' || c == '\r') {
                ++pos_;
            } else if (c == '/' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '/') {
                while (pos_ < text_.size() && text_[pos_] != '\n')
                    ++pos_;
            } else {
                return;
            }
        }
    }

    Error LexName(Token& token) {
        const size_t start = pos_;
        while (pos_ < text_.size() &&
               (IsNameStart(text_[pos_]) || IsDigit(text_[pos_]) || text_[pos_] == '.'))
            ++pos_;
        token.kind = TokenKind::Name;
        token.text = text_.substr(start, pos_ - start);
        if (!text::IsPlainName(token.text, true))
            return Fail("malformed name '" + token.text + "'");
        return Error();
    }

    Error LexNumber(Token& token) {
        const bool negative = text_[pos_] == '-';
        if (negative) ++pos_;
        if (pos_ >= text_.size() || !IsDigit(text_[pos_]))
            return Fail("a '-' must be followed by digits");
        uint64_t magnitude = 0;
        const uint64_t limit = negative ? uint64_t{1} << 63 : (uint64_t{1} << 63) - 1;
        while (pos_ < text_.size() && IsDigit(text_[pos_])) {
            const auto digit = static_cast<uint64_t>(text_[pos_] - '0');
            if (magnitude > (limit - digit) / 10) return Fail("number out of the 64-bit range");
            magnitude = magnitude * 10 + digit;
            ++pos_;
        }
        if (pos_ < text_.size() && (IsNameStart(text_[pos_]) || text_[pos_] == '.'))
            return Fail("malformed number");
        token.kind = TokenKind::Number;
        token.number =
            negative ? static_cast<int64_t>(0 - magnitude) : static_cast<int64_t>(magnitude);
        return Error();
    }

    // Quoted pieces and #N codes, joined without blanks.
    Error LexString(Token& token) {
        token.kind = TokenKind::String;
        while (pos_ < text_.size() && (text_[pos_] == '\'' || text_[pos_] == '#')) {
            StringPiece piece;
            if (text_[pos_] == '#') {
                ++pos_;
                if (pos_ >= text_.size() || !IsDigit(text_[pos_]))
                    return Fail("'#' must be followed by a character number");
                uint32_t code = 0;
                while (pos_ < text_.size() && IsDigit(text_[pos_])) {
                    code = code * 10 + static_cast<uint32_t>(text_[pos_] - '0');
                    if (code > 0xFFFF) return Fail("character number above 65535");
                    ++pos_;
                }
                piece.isCode = true;
                piece.code = code;
            } else {
                ++pos_;
                for (;;) {
                    if (pos_ >= text_.size() || text_[pos_] == '\n')
                        return Fail("text not closed by a quote before the end of the line");
                    if (text_[pos_] == '\'') {
                        if (pos_ + 1 < text_.size() && text_[pos_ + 1] == '\'') {
                            piece.literal += '\'';
                            pos_ += 2;
                            continue;
                        }
                        ++pos_;
                        break;
                    }
                    piece.literal += text_[pos_++];
                }
            }
            token.pieces.push_back(std::move(piece));
        }
        return Error();
    }

    Error LexHex(Token& token) {
        ++pos_;
        token.kind = TokenKind::Hex;
        int high = -1;
        for (;;) {
            if (pos_ >= text_.size()) return Fail("binary data not closed by '}'");
            const char c = text_[pos_++];
            if (c == '}') break;
            if (c == '\n') {
                ++line_;
                continue;
            }
            if (c == ' ' || c == '\t' || c == '\r') continue;
            const int digit = HexDigit(c);
            if (digit < 0) return Fail("unexpected character " + Describe(c) + " in binary data");
            if (high < 0) {
                high = digit;
            } else {
                token.text += static_cast<char>(high * 16 + digit);
                high = -1;
            }
        }
        if (high >= 0) return Fail("binary data has an odd number of hex digits");
        return Error();
    }

    const std::string& text_;
    size_t pos_ = 0;
    int line_ = 1;
};

class Parser {
public:
    Parser(const std::string& text, const TextReadOptions& options)
        : lexer_(text), options_(options) {}

    Error ParseRoot(FormObject& root) {
        if (Error error = Fill()) return error;
        if (Error error = ParseObject(root, 0)) return error;
        if (current_.kind != TokenKind::EndOfText)
            return Fail(current_, "unexpected text after the end of the root object");
        return Error();
    }

private:
    // Two tokens of lookahead: `current_` and `next_`.
    Error Fill() {
        if (Error error = lexer_.Next(current_)) return error;
        return lexer_.Next(next_);
    }

    Error Advance() {
        current_ = std::move(next_);
        return lexer_.Next(next_);
    }

    static Error Fail(const Token& at, const std::string& message) {
        return Error("line " + std::to_string(at.line) + ": " + message);
    }

    static std::string Show(const Token& token) {
        switch (token.kind) {
        case TokenKind::EndOfText:
            return "the end of the text";
        case TokenKind::Name:
            return "'" + token.text + "'";
        case TokenKind::Number:
            return std::to_string(token.number);
        case TokenKind::String:
            return "a quoted text";
        case TokenKind::Hex:
            return "binary data";
        case TokenKind::Symbol:
            return "'" + token.text + "'";
        }
        return "?";
    }

    bool IsName(const Token& token, const char* word) const {
        return token.kind == TokenKind::Name && token.text == word;
    }
    bool IsSymbol(const Token& token, char symbol) const {
        return token.kind == TokenKind::Symbol && token.text[0] == symbol;
    }
    // A keyword that opens an object or closes one, rather than naming a
    // property (which would be followed by '=').
    bool IsKeyword(const char* word) const {
        return IsName(current_, word) && !IsSymbol(next_, '=');
    }

    Error Expect(char symbol) {
        if (!IsSymbol(current_, symbol))
            return Fail(current_,
                        std::string("expected '") + symbol + "', found " + Show(current_));
        return Advance();
    }

    Error ExpectWord(const char* word) {
        if (!IsName(current_, word))
            return Fail(current_, std::string("expected '") + word + "', found " + Show(current_));
        return Advance();
    }

    // A plain name (`dotted` allows dots) or a quoted one, which may be
    // empty only where `allowEmpty` says so.
    Error ParseName(std::string& name, bool dotted, const char* what, bool allowEmpty = false) {
        if (current_.kind == TokenKind::Name) {
            if (!dotted && current_.text.find('.') != std::string::npos)
                return Fail(current_, std::string("a ") + what + " cannot contain a dot");
            name = current_.text;
            return Advance();
        }
        if (current_.kind == TokenKind::String) {
            if (Error error = ByteText(current_, name)) return error;
            if (name.empty() && !allowEmpty) return Fail(current_, std::string("empty ") + what);
            return Advance();
        }
        return Fail(current_, std::string("expected a ") + what + ", found " + Show(current_));
    }

    Error ParseObject(FormObject& object, int depth) {
        if (depth > MaxDepth) return Fail(current_, "objects nested too deeply");
        if (IsName(current_, "inherited")) {
            object.flags |= ObjectInherited;
            if (Error error = Advance()) return error;
            if (IsName(current_, "inline") && !IsSymbol(next_, ':')) {
                object.flags |= ObjectInline;
                if (Error error = Advance()) return error;
            }
        } else if (IsName(current_, "inline")) {
            object.flags |= ObjectInline;
            if (Error error = Advance()) return error;
        } else if (Error error = ExpectWord("object")) {
            return error;
        }
        if (Error error = ParseName(object.name, false, "object name", true)) return error;
        if (Error error = Expect(':')) return error;
        if (Error error = ParseName(object.className, false, "class name")) return error;
        if (IsSymbol(current_, '[')) {
            object.flags |= ObjectHasPosition;
            if (Error error = Advance()) return error;
            if (Error error = ParseValue(object.position, 0)) return error;
            if (!object.position.IsInteger())
                return Fail(current_, "the child position must be an integer");
            if (Error error = Expect(']')) return error;
        }
        for (;;) {
            if (IsKeyword("end")) return Advance();
            if (IsKeyword("object") || IsKeyword("inherited") || IsKeyword("inline")) {
                object.children.emplace_back();
                if (Error error = ParseObject(object.children.back(), depth + 1)) return error;
                continue;
            }
            if (current_.kind == TokenKind::EndOfText)
                return Fail(current_, "object " + object.name + " is not closed by 'end'");
            object.properties.emplace_back();
            if (Error error = ParseProperty(object.properties.back(), depth)) return error;
        }
    }

    Error ParseProperty(FormProperty& property, int depth) {
        if (Error error = ParseName(property.name, true, "property name")) return error;
        if (Error error = Expect('=')) return error;
        return ParseValue(property.value, depth);
    }

    Error ParseValue(FormValue& value, int depth) {
        if (depth > MaxDepth) return Fail(current_, "values nested too deeply");
        const Token at = current_;
        switch (current_.kind) {
        case TokenKind::Number:
            value = FormValue::Integer(current_.number);
            return Advance();
        case TokenKind::String: {
            std::string text;
            if (Error error = ByteText(current_, text)) return error;
            value = FormValue::String(std::move(text));
            return Advance();
        }
        case TokenKind::Hex:
            value = FormValue::Binary(BinaryData::Own(HexBytes(current_)));
            return Advance();
        case TokenKind::Symbol:
            if (IsSymbol(current_, '[')) return ParseSet(value);
            if (IsSymbol(current_, '(')) return ParseList(value, depth);
            if (IsSymbol(current_, '<')) return ParseCollection(value, depth);
            return Fail(at, "expected a value, found " + Show(at));
        case TokenKind::Name:
            return ParseWordValue(value, depth);
        case TokenKind::EndOfText:
            break;
        }
        return Fail(at, "expected a value, found " + Show(at));
    }

    Error ParseWordValue(FormValue& value, int depth) {
        const Token at = current_;
        const std::string word = current_.text;
        // Words that structure the text are never bare values (ident 'end' is).
        for (const char* structural : {"end", "object", "inherited", "inline", "item"})
            if (word == structural) return Fail(at, "expected a value, found " + Show(at));
        if (Error error = Advance()) return error;
        if (SameName(word, "True") || SameName(word, "False")) {
            value = FormValue::Boolean(SameName(word, "True"));
            return Error();
        }
        if (SameName(word, "nil")) {
            value.type = ValueType::Nil;
            return Error();
        }
        if (word == "int8" || word == "int16" || word == "int32" || word == "int64") {
            const ValueType type = word == "int8"    ? ValueType::Int8
                                   : word == "int16" ? ValueType::Int16
                                   : word == "int32" ? ValueType::Int32
                                                     : ValueType::Int64;
            if (current_.kind != TokenKind::Number)
                return Fail(current_, "expected a number after " + word);
            if (!IntegerFits(type, current_.number))
                return Fail(current_, std::to_string(current_.number) + " does not fit " + word);
            value.type = type;
            value.integer = current_.number;
            return Advance();
        }
        if (word == "lstring" || word == "utf8" || word == "wide") {
            if (current_.kind != TokenKind::String)
                return Fail(current_, "expected a quoted text after " + word);
            if (word == "wide") {
                value.type = ValueType::WString;
                WideText(current_, value.wide);
            } else {
                value.type = word == "utf8" ? ValueType::Utf8String : ValueType::LString;
                if (Error error = ByteText(current_, value.text)) return error;
            }
            return Advance();
        }
        if (word == "ident") {
            value.type = ValueType::Ident;
            return ParseName(value.text, false, "identifier", true);
        }
        if (word == "file") {
            value.type = ValueType::Binary;
            return ParseFile(value.bytes);
        }
        if (word == "graphic") {
            value.type = ValueType::Graphic;
            if (Error error = ParseName(value.text, false, "graphic class name")) return error;
            return ParseBinary(value.bytes);
        }
        if (word == "storage") return ParseStorage(value);
        if (word == "extended" || word == "single" || word == "double" || word == "currency" ||
            word == "date") {
            value.type = word == "extended"   ? ValueType::Extended
                         : word == "single"   ? ValueType::Single
                         : word == "double"   ? ValueType::Double
                         : word == "currency" ? ValueType::Currency
                                              : ValueType::Date;
            if (current_.kind != TokenKind::Hex || current_.text.size() != RawValueSize(value.type))
                return Fail(current_, word + " expects {..} with " +
                                          std::to_string(RawValueSize(value.type)) +
                                          " bytes in hex");
            value.bytes = BinaryData::Own(HexBytes(current_));
            return Advance();
        }
        (void)depth;
        if (word.find('.') != std::string::npos)
            return Fail(at, "an identifier cannot contain a dot: '" + word + "'");
        value = FormValue::Ident(word);
        return Error();
    }

    Error ParseSet(FormValue& value) {
        value.type = ValueType::Set;
        if (Error error = Advance()) return error;
        if (IsSymbol(current_, ']')) return Advance();
        for (;;) {
            std::string element;
            if (Error error = ParseName(element, false, "set element")) return error;
            value.elements.push_back(std::move(element));
            if (IsSymbol(current_, ']')) return Advance();
            if (Error error = Expect(',')) return error;
        }
    }

    Error ParseList(FormValue& value, int depth) {
        value.type = ValueType::List;
        if (Error error = Advance()) return error;
        while (!IsSymbol(current_, ')')) {
            if (current_.kind == TokenKind::EndOfText)
                return Fail(current_, "list not closed by ')'");
            value.items.emplace_back();
            if (Error error = ParseValue(value.items.back(), depth + 1)) return error;
        }
        return Advance();
    }

    Error ParseCollection(FormValue& value, int depth) {
        value.type = ValueType::Collection;
        if (Error error = Advance()) return error;
        while (!IsSymbol(current_, '>')) {
            if (Error error = ExpectWord("item")) return error;
            CollectionItem item;
            if (current_.kind == TokenKind::Number || IsName(current_, "int8") ||
                IsName(current_, "int16") || IsName(current_, "int32") ||
                IsName(current_, "int64")) {
                FormValue order;
                if (Error error = ParseValue(order, 0)) return error;
                item.hasOrder = true;
                item.orderType = order.type;
                item.order = order.integer;
            }
            while (!IsKeyword("end")) {
                if (current_.kind == TokenKind::EndOfText)
                    return Fail(current_, "collection item not closed by 'end'");
                item.properties.emplace_back();
                if (Error error = ParseProperty(item.properties.back(), depth + 1)) return error;
            }
            if (Error error = Advance()) return error;
            value.collection.push_back(std::move(item));
        }
        return Advance();
    }

    Error ParseStorage(FormValue& value) {
        value.type = ValueType::StoredFiles;
        while (!IsKeyword("end")) {
            if (current_.kind != TokenKind::String)
                return Fail(current_, "expected a stored file's name in quotes, or 'end', found " +
                                          Show(current_));
            StoredFileEntry entry;
            if (Error error = ByteText(current_, entry.name)) return error;
            if (Error error = Advance()) return error;
            if (Error error = Expect('=')) return error;
            if (Error error = ParseBinary(entry.contents)) return error;
            value.storedFiles.push_back(std::move(entry));
        }
        return Advance();
    }

    // {hex} or file 'name'.
    Error ParseBinary(BinaryData& data) {
        if (current_.kind == TokenKind::Hex) {
            data = BinaryData::Own(HexBytes(current_));
            return Advance();
        }
        if (IsName(current_, "file")) {
            if (Error error = Advance()) return error;
            return ParseFile(data);
        }
        return Fail(current_,
                    "expected binary data ({hex} or file 'name'), found " + Show(current_));
    }

    Error ParseFile(BinaryData& data) {
        const Token at = current_;
        if (current_.kind != TokenKind::String)
            return Fail(at, "expected a file name in quotes after 'file'");
        std::string reference;
        if (Error error = ByteText(current_, reference)) return error;
        if (!options_.loadFile) return Fail(at, "file references are not allowed here");
        if (Error error = options_.loadFile(reference, data)) return Fail(at, error.Message());
        return Advance();
    }

    // Literal bytes as written; #N must be a byte.
    static Error ByteText(const Token& token, std::string& text) {
        text.clear();
        for (const StringPiece& piece : token.pieces) {
            if (!piece.isCode) {
                text += piece.literal;
            } else if (piece.code > 255) {
                return Fail(token, "#" + std::to_string(piece.code) +
                                       " is not a byte; only wide texts take larger numbers");
            } else {
                text += static_cast<char>(piece.code);
            }
        }
        return Error();
    }

    static void WideText(const Token& token, std::u16string& text) {
        text.clear();
        for (const StringPiece& piece : token.pieces) {
            if (piece.isCode)
                text += static_cast<char16_t>(piece.code);
            else
                text += Utf8ToUtf16(piece.literal);
        }
    }

    static std::vector<uint8_t> HexBytes(const Token& token) {
        return std::vector<uint8_t>(token.text.begin(), token.text.end());
    }

    static constexpr int MaxDepth = 64;

    Lexer lexer_;
    const TextReadOptions& options_;
    Token current_;
    Token next_;
};

} // namespace

Error ParseFormText(const std::string& text, const TextReadOptions& options, FormObject& root) {
    root = FormObject();
    return Parser(text, options).ParseRoot(root);
}

} // namespace vcl
