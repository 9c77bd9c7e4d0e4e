#include "ime/ui/program_command_line.h"

namespace kellavor::ui {

std::u16string ProgramCommandLine(const std::u16string& folder, const std::u16string& file,
                                  const std::u16string& arguments) {
  std::u16string line = u"\"" + folder + file + u"\"";
  if (!arguments.empty()) line += u" " + arguments;
  return line;
}

}  // namespace kellavor::ui
