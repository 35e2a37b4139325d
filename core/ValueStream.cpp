#include "ValueStream.h"

#include <bit>

#include "Errors.h"

namespace talmo {

void TValueWriter::littleEndian(std::uint64_t value, int byteCount) {
  for (int i = 0; i < byteCount; ++i) bytes_.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void TValueWriter::WriteInteger(std::int32_t value) {
  if (value >= INT8_MIN && value <= INT8_MAX) {
    tag(TValueType::Int8);
    littleEndian(static_cast<std::uint8_t>(value), 1);
  } else if (value >= INT16_MIN && value <= INT16_MAX) {
    tag(TValueType::Int16);
    littleEndian(static_cast<std::uint16_t>(value), 2);
  } else {
    tag(TValueType::Int32);
    littleEndian(static_cast<std::uint32_t>(value), 4);
  }
}

void TValueWriter::WriteBoolean(bool value) { tag(value ? TValueType::True : TValueType::False); }

void TValueWriter::WriteString(const std::string& value) {
  if (value.size() <= 255) {
    tag(TValueType::String);
    littleEndian(value.size(), 1);
  } else {
    tag(TValueType::LString);
    littleEndian(value.size(), 4);
  }
  bytes_.insert(bytes_.end(), value.begin(), value.end());
}

void TValueWriter::WriteFloat(double value) {
  tag(TValueType::Real);
  littleEndian(std::bit_cast<std::uint64_t>(value), 8);
}

void TValueWriter::WriteListBegin() { tag(TValueType::List); }
void TValueWriter::WriteListEnd() { tag(TValueType::Null); }

namespace {

const char* typeName(TValueType type) {
  switch (type) {
    case TValueType::Null: return "end of list";
    case TValueType::List: return "list";
    case TValueType::Int8:
    case TValueType::Int16:
    case TValueType::Int32: return "integer";
    case TValueType::Real: return "real";
    case TValueType::String:
    case TValueType::LString: return "string";
    case TValueType::False:
    case TValueType::True: return "boolean";
  }
  return "unknown value";
}

}  // namespace

void TValueReader::need(std::size_t count) const {
  if (bytes_.size() - pos_ < count) throw EInOutError("Stream read error: the data ends too early");
}

void TValueReader::unexpected(TValueType found, const char* expected) const {
  throw EInOutError(std::string("Invalid stream format: ") + expected + " expected, " + typeName(found) +
                    " found");
}

TValueType TValueReader::NextValue() {
  need(1);
  const std::uint8_t tag = bytes_[pos_];
  switch (static_cast<TValueType>(tag)) {
    case TValueType::Null:
    case TValueType::List:
    case TValueType::Int8:
    case TValueType::Int16:
    case TValueType::Int32:
    case TValueType::Real:
    case TValueType::String:
    case TValueType::False:
    case TValueType::True:
    case TValueType::LString:
      return static_cast<TValueType>(tag);
  }
  throw EInOutError("Invalid stream format: unknown value type " + std::to_string(tag));
}

TValueType TValueReader::readTag() {
  const TValueType type = NextValue();
  ++pos_;
  return type;
}

std::uint64_t TValueReader::littleEndian(int byteCount) {
  need(static_cast<std::size_t>(byteCount));
  std::uint64_t value = 0;
  for (int i = 0; i < byteCount; ++i) value |= static_cast<std::uint64_t>(bytes_[pos_++]) << (8 * i);
  return value;
}

std::int32_t TValueReader::ReadInteger() {
  const TValueType type = readTag();
  switch (type) {
    case TValueType::Int8: return static_cast<std::int8_t>(littleEndian(1));
    case TValueType::Int16: return static_cast<std::int16_t>(littleEndian(2));
    case TValueType::Int32: return static_cast<std::int32_t>(littleEndian(4));
    default: unexpected(type, "integer");
  }
}

bool TValueReader::ReadBoolean() {
  const TValueType type = readTag();
  if (type == TValueType::True) return true;
  if (type == TValueType::False) return false;
  unexpected(type, "boolean");
}

std::string TValueReader::ReadString() {
  const TValueType type = readTag();
  std::size_t length = 0;
  if (type == TValueType::String) {
    length = littleEndian(1);
  } else if (type == TValueType::LString) {
    length = littleEndian(4);
  } else {
    unexpected(type, "string");
  }
  need(length);
  std::string text(bytes_.begin() + static_cast<std::ptrdiff_t>(pos_),
                   bytes_.begin() + static_cast<std::ptrdiff_t>(pos_ + length));
  pos_ += length;
  return text;
}

double TValueReader::ReadFloat() {
  const TValueType type = NextValue();
  if (type == TValueType::Real) {
    ++pos_;
    return std::bit_cast<double>(littleEndian(8));
  }
  if (type == TValueType::Int8 || type == TValueType::Int16 || type == TValueType::Int32) return ReadInteger();
  ++pos_;
  unexpected(type, "real");
}

void TValueReader::ReadListBegin() {
  const TValueType type = readTag();
  if (type != TValueType::List) unexpected(type, "list");
}

void TValueReader::ReadListEnd() {
  const TValueType type = readTag();
  if (type != TValueType::Null) unexpected(type, "end of list");
}

bool TValueReader::EndOfList() { return NextValue() == TValueType::Null; }

}  // namespace talmo
