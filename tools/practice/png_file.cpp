// The file is the signature and three chunks (IHDR, IDAT, IEND). The zlib stream holds one
// deflate block with the fixed Huffman codes: literals, and runs as matches one byte back.
#include "png_file.h"

#include <array>
#include <cstdlib>

namespace pelmora::practice {

namespace {

constexpr int kMinRun = 3, kMaxRun = 258;
constexpr std::array<int, 29> kLengthBase = {3,  4,  5,  6,   7,   8,   9,   10,  11, 13,
                                             15, 17, 19, 23,  27,  31,  35,  43,  51, 59,
                                             67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::array<int, 29> kLengthExtra = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                              2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};

// Bits into bytes, least significant first, as deflate packs them.
class BitWriter {
 public:
  void bits(std::uint32_t value, int count) {
    for (int i = 0; i < count; ++i) bit((value >> i) & 1);
  }
  // A Huffman code goes most significant bit first.
  void code(std::uint32_t value, int count) {
    for (int i = count - 1; i >= 0; --i) bit((value >> i) & 1);
  }
  std::string done() {
    if (used_ > 0) bytes_ += static_cast<char>(current_);
    return std::move(bytes_);
  }

 private:
  void bit(std::uint32_t b) {
    current_ |= b << used_;
    if (++used_ == 8) {
      bytes_ += static_cast<char>(current_);
      current_ = 0;
      used_ = 0;
    }
  }
  std::string bytes_;
  std::uint32_t current_ = 0;
  int used_ = 0;
};

// The fixed literal/length code of a symbol 0..287.
void symbol(BitWriter& out, int s) {
  if (s < 144) return out.code(0x30 + s, 8);
  if (s < 256) return out.code(0x190 + s - 144, 9);
  if (s < 280) return out.code(s - 256, 7);
  out.code(0xC0 + s - 280, 8);
}

void run(BitWriter& out, int length) {
  int code = 0;
  while (code + 1 < static_cast<int>(kLengthBase.size()) && kLengthBase[code + 1] <= length) ++code;
  symbol(out, 257 + code);
  out.bits(static_cast<std::uint32_t>(length - kLengthBase[code]), kLengthExtra[code]);
  out.code(0, 5);  // distance 1
}

std::string deflate(const std::string& data) {
  BitWriter out;
  out.bits(1, 1);  // the last block
  out.bits(1, 2);  // fixed codes
  for (std::size_t i = 0; i < data.size();) {
    std::size_t length = 0;
    while (i > 0 && i + length < data.size() && length < kMaxRun && data[i + length] == data[i - 1])
      ++length;
    if (length >= kMinRun) {
      run(out, static_cast<int>(length));
      i += length;
    } else {
      symbol(out, static_cast<unsigned char>(data[i++]));
    }
  }
  symbol(out, 256);
  return out.done();
}

std::uint32_t adler32(const std::string& data) {
  std::uint32_t a = 1, b = 0;
  for (unsigned char c : data) {
    a = (a + c) % 65521;
    b = (b + a) % 65521;
  }
  return (b << 16) | a;
}

std::uint32_t crc32(const std::string& data) {
  std::uint32_t crc = 0xFFFFFFFFu;
  for (unsigned char c : data) {
    crc ^= c;
    for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
  }
  return ~crc;
}

void big_endian(std::string& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((value >> shift) & 0xFF);
}

void chunk(std::string& file, const char* type, const std::string& data) {
  big_endian(file, static_cast<std::uint32_t>(data.size()));
  const std::string typed = type + data;
  file += typed;
  big_endian(file, crc32(typed));
}

// Each row with the filter (none, sub or up) whose bytes are smallest, the usual choice.
std::string filtered_rows(int width, int height, const std::vector<std::uint32_t>& pixels) {
  const std::size_t row_bytes = static_cast<std::size_t>(width) * 3;
  std::string data, previous(row_bytes, '\0'), row(row_bytes, '\0');
  data.reserve((row_bytes + 1) * static_cast<std::size_t>(height));
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const std::uint32_t p = pixels[static_cast<std::size_t>(y) * width + x];
      for (int c = 0; c < 3; ++c) row[x * 3 + c] = static_cast<char>(p >> (16 - 8 * c));
    }
    std::array<std::string, 3> candidates{row, row, row};
    for (std::size_t i = 0; i < row_bytes; ++i) {
      if (i >= 3) candidates[1][i] = static_cast<char>(row[i] - row[i - 3]);
      candidates[2][i] = static_cast<char>(row[i] - previous[i]);
    }
    const auto cost = [](const std::string& bytes) {
      long sum = 0;
      for (char b : bytes) sum += std::abs(static_cast<signed char>(b));
      return sum;
    };
    std::size_t best = 0;
    for (std::size_t f = 1; f < candidates.size(); ++f) {
      if (cost(candidates[f]) < cost(candidates[best])) best = f;
    }
    data += static_cast<char>(best);
    data += candidates[best];
    previous = row;
  }
  return data;
}

}  // namespace

std::string png_file(int width, int height, const std::vector<std::uint32_t>& pixels) {
  const std::string rows = filtered_rows(width, height, pixels);
  std::string zlib = "\x78\x01";  // deflate, 32 KB window, no dictionary
  zlib += deflate(rows);
  big_endian(zlib, adler32(rows));
  std::string header;
  big_endian(header, static_cast<std::uint32_t>(width));
  big_endian(header, static_cast<std::uint32_t>(height));
  header += std::string("\x08\x02\x00\x00\x00", 5);  // 8 bits, RGB, deflate, no interlace
  std::string file = "\x89PNG\r\n\x1a\n";
  chunk(file, "IHDR", header);
  chunk(file, "IDAT", zlib);
  chunk(file, "IEND", "");
  return file;
}

}  // namespace pelmora::practice
