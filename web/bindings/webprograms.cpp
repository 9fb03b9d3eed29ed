#include "webprograms.h"

#include "programs.h"

const std::vector<std::string> &programNames()
{
    static const std::vector<std::string> names = [] {
        std::vector<std::string> all;
        for (const ProgramForm &program : Programs)
            all.emplace_back(program.name);
        return all;
    }();
    return names;
}

std::unique_ptr<Form> makeProgram(const std::string &name)
{
    for (const ProgramForm &program : Programs) {
        if (program.name == name)
            return program.make();
    }
    return nullptr;
}
