#pragma once
#include <ostream>
#include <string>
#include <vector>
namespace velmora::cli { int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err); }
