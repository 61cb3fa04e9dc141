// The texts a subcommand works on.
#include "command.h"
#include "input.h"
#include "texts.h"

namespace cli {

void ForEachText(const Arguments& args, const std::function<void(const std::string&)>& use) {
    const std::vector<std::string> fromStdin{"-"};
    std::string line;
    for (const std::string& text : args.positional.empty() ? fromStdin : args.positional) {
        if (text != "-") {
            use(text);
            continue;
        }
        Input input("-");
        while (input.ReadLine(line)) use(line);
    }
}

}  // namespace cli
