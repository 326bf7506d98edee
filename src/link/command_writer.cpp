// Command texts by plain concatenation: verb;field1;field2;field3;
#include "link/command_writer.h"

#include <string>

namespace pelmora::link {

void CommandWriter::write(std::string_view verb, std::string_view f1, std::string_view f2,
                          std::string_view f3) {
  std::string text;
  text.reserve(verb.size() + f1.size() + f2.size() + f3.size() + 4);
  text.append(verb).append(";").append(f1).append(";").append(f2).append(";").append(f3).append(
      ";");
  out_.set_text(text);
}

}  // namespace pelmora::link
