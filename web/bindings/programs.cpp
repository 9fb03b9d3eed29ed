#include "programs.h"

#include "bankform.h"
#include "pairswapform.h"
#include "pickminform.h"
#include "tallyform.h"

const std::vector<std::string> &programNames()
{
    static const std::vector<std::string> names{"pickmin", "pairswap", "tally", "Bank"};
    return names;
}

std::unique_ptr<Form> makeProgram(const std::string &name)
{
    if (name == "pickmin")
        return std::make_unique<PickMinForm>();
    if (name == "pairswap")
        return std::make_unique<PairSwapForm>();
    if (name == "tally")
        return std::make_unique<TallyForm>();
    if (name == "Bank")
        return std::make_unique<BankForm>();
    return nullptr;
}
