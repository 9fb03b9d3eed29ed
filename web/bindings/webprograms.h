#pragma once

#include "form.h"

#include <memory>
#include <string>
#include <vector>

// The programs of the site by their names, as the pages and the menu entries name them: the
// build's list (programs.h), in its order.
const std::vector<std::string> &programNames();
// Null for a name that is none of them.
std::unique_ptr<Form> makeProgram(const std::string &name);
