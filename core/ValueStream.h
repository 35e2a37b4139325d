#pragma once
// A compact typed value stream: the binary form in which grid-table column definitions (the
// `Col` property) are stored and copied. Every value is a one-byte type tag followed by its
// payload; all multi-byte numbers are little-endian whatever the machine.
//
//   tag  name       payload
//   0    Null       none; closes a list
//   1    List       none; opens a list, closed by Null
//   2    Int8       1 byte, signed
//   3    Int16      2 bytes, signed
//   4    Int32      4 bytes, signed
//   5    Real       8 bytes, IEEE 754 double
//   6    String     1 byte length (0..255), then the bytes
//   8    False      none
//   9    True       none
//   12   LString    4 bytes length, then the bytes
//
// The writer always uses the smallest integer form and String for texts of up to 255 bytes
// (LString beyond). The reader accepts every integer form where an integer is expected,
// integers where a real is expected, and both string forms. Reading past the end or finding
// another type than expected is an EInOutError; the reader never reads outside its buffer.
#include <cstdint>
#include <string>
#include <vector>

namespace talmo {

enum class TValueType : std::uint8_t {
  Null = 0,
  List = 1,
  Int8 = 2,
  Int16 = 3,
  Int32 = 4,
  Real = 5,
  String = 6,
  False = 8,
  True = 9,
  LString = 12,
};

class TValueWriter {
 public:
  void WriteInteger(std::int32_t value);
  void WriteBoolean(bool value);
  void WriteString(const std::string& value);
  void WriteFloat(double value);
  void WriteListBegin();
  void WriteListEnd();

  const std::vector<std::uint8_t>& Bytes() const { return bytes_; }

 private:
  void tag(TValueType type) { bytes_.push_back(static_cast<std::uint8_t>(type)); }
  void littleEndian(std::uint64_t value, int byteCount);

  std::vector<std::uint8_t> bytes_;
};

class TValueReader {
 public:
  explicit TValueReader(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}

  std::int32_t ReadInteger();
  bool ReadBoolean();
  std::string ReadString();
  double ReadFloat();
  void ReadListBegin();
  void ReadListEnd();
  // True when the next value closes a list (it is not consumed).
  bool EndOfList();
  // Type of the next value, without consuming it.
  TValueType NextValue();
  bool AtEnd() const { return pos_ == bytes_.size(); }

 private:
  TValueType readTag();
  std::uint64_t littleEndian(int byteCount);
  // Throws when fewer than `count` bytes remain.
  void need(std::size_t count) const;
  [[noreturn]] void unexpected(TValueType found, const char* expected) const;

  std::vector<std::uint8_t> bytes_;
  std::size_t pos_ = 0;
};

}  // namespace talmo
