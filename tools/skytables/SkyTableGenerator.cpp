// brivane-skytables: turns the published Earth and Moon tables of data/sky
// into one C++ source file of constant arrays that the core library compiles
// in. The numbers are copied as the files write them (no rounding), and the
// files are checked on the way: every VSOP87 block must hold as many term
// lines as its header says, the Earth must have all of L, B and R, and each
// lunar table must have its 60 rows.
//
//   brivane-skytables DATA_FOLDER OUTPUT_FILE
//
// Exit status 0 on success, 1 with a message on stderr otherwise.

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

[[noreturn]] void fail(const std::string& message)
{
    std::cerr << "brivane-skytables: " << message << "\n";
    std::exit(1);
}

std::string trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

// A decimal number as written in the file, checked to be one.
std::string number(const std::string& field, const std::string& where)
{
    const std::string text = trimmed(field);
    char* end = nullptr;
    std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0')
        fail(where + ": \"" + field + "\" is not a number");
    return text;
}

struct Block
{
    int variable = 0; // 1 = L, 2 = B, 3 = R
    int power = 0;
    int declared = 0;
    std::vector<std::string> terms; // "{A, B, C}"
};

// The VSOP87 file: a header line per block, then fixed-column term lines
// whose last three fields are the amplitude A, the phase B and the
// frequency C of A cos(B + C tau).
std::vector<Block> readVsop(const std::string& path)
{
    std::ifstream in(path);
    if (!in)
        fail("cannot read " + path);
    std::vector<Block> blocks;
    std::string line;
    int lineNumber = 0;
    while (std::getline(in, line)) {
        ++lineNumber;
        const std::string where = path + ":" + std::to_string(lineNumber);
        if (line.rfind(" VSOP87", 0) == 0) {
            if (line.size() < 67)
                fail(where + ": short block header");
            Block block;
            block.variable = line[41] - '0';
            block.power = line[59] - '0';
            block.declared = std::atoi(line.substr(60, 7).c_str());
            if (block.variable < 1 || block.variable > 3 || block.power < 0 || block.power > 5 ||
                block.declared <= 0)
                fail(where + ": unreadable block header");
            blocks.push_back(block);
            continue;
        }
        if (trimmed(line).empty())
            continue;
        if (blocks.empty())
            fail(where + ": term line before the first block header");
        if (line.size() < 131)
            fail(where + ": short term line");
        const std::string a = number(line.substr(79, 18), where);
        const std::string b = number(line.substr(97, 14), where);
        const std::string c = number(line.substr(111, 20), where);
        blocks.back().terms.push_back("{" + a + "L, " + b + "L, " + c + "L}");
    }
    for (const Block& block : blocks) {
        if (int(block.terms.size()) != block.declared)
            fail(path + ": block of variable " + std::to_string(block.variable) + ", power " +
                 std::to_string(block.power) + " declares " + std::to_string(block.declared) +
                 " terms, holds " + std::to_string(block.terms.size()));
    }
    return blocks;
}

std::vector<std::string> splitCsv(const std::string& line)
{
    std::vector<std::string> fields;
    std::stringstream stream(line);
    std::string field;
    while (std::getline(stream, field, ','))
        fields.push_back(trimmed(field));
    return fields;
}

// A lunar table: the header line, then rows of the multipliers of D, M, M'
// and F followed by one or two integer coefficients.
std::vector<std::string> readLunar(const std::string& path, const std::string& header, int coefficients)
{
    std::ifstream in(path);
    if (!in)
        fail("cannot read " + path);
    std::string line;
    if (!std::getline(in, line) || trimmed(line) != header)
        fail(path + ": the first line is not \"" + header + "\"");
    std::vector<std::string> rows;
    int lineNumber = 1;
    while (std::getline(in, line)) {
        ++lineNumber;
        if (trimmed(line).empty())
            continue;
        const std::vector<std::string> fields = splitCsv(line);
        const std::string where = path + ":" + std::to_string(lineNumber);
        if (int(fields.size()) != 4 + coefficients)
            fail(where + ": expected " + std::to_string(4 + coefficients) + " fields");
        std::string row = "{";
        for (std::size_t i = 0; i < fields.size(); ++i) {
            char* end = nullptr;
            std::strtol(fields[i].c_str(), &end, 10);
            if (fields[i].empty() || *end != '\0')
                fail(where + ": \"" + fields[i] + "\" is not an integer");
            row += (i ? ", " : "") + fields[i];
        }
        if (coefficients == 1)
            row += ", 0";
        rows.push_back(row + "}");
    }
    if (rows.size() != 60)
        fail(path + ": expected 60 rows, found " + std::to_string(rows.size()));
    return rows;
}

const char* variableName(int variable)
{
    return variable == 1 ? "L" : variable == 2 ? "B" : "R";
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 3)
        fail("usage: brivane-skytables DATA_FOLDER OUTPUT_FILE");
    const std::string folder = argv[1];
    const std::vector<Block> blocks = readVsop(folder + "/vsop87d_earth.txt");
    const std::vector<std::string> longitudeDistance =
        readLunar(folder + "/moon_lr.csv", "D,M,Mp,F,sum_l_sin_coeff,sum_r_cos_coeff", 2);
    const std::vector<std::string> latitude =
        readLunar(folder + "/moon_b.csv", "D,M,Mp,F,sum_b_sin_coeff", 1);

    // Powers of each variable, which must run 0, 1, 2, ... without a gap.
    std::map<int, std::vector<const Block*>> byVariable;
    for (const Block& block : blocks) {
        std::vector<const Block*>& powers = byVariable[block.variable];
        if (block.power != int(powers.size()))
            fail("variable " + std::string(variableName(block.variable)) + ": power " +
                 std::to_string(block.power) + " out of order");
        powers.push_back(&block);
    }
    for (int variable = 1; variable <= 3; ++variable) {
        if (byVariable[variable].empty())
            fail(std::string("no series for variable ") + variableName(variable));
    }

    std::ostringstream out;
    out << "// Generated by brivane-skytables from data/sky; do not edit.\n\n"
        << "#include \"sky/SeriesTables.h\"\n\n"
        << "namespace brivane::sky::tables {\n\nnamespace {\n\n";
    for (int variable = 1; variable <= 3; ++variable) {
        for (const Block* block : byVariable[variable]) {
            out << "const VsopTerm k" << variableName(variable) << block->power << "[] = {\n";
            for (const std::string& term : block->terms)
                out << "    " << term << ",\n";
            out << "};\n\n";
        }
        out << "const VsopSeries k" << variableName(variable) << "Series[] = {\n";
        for (const Block* block : byVariable[variable])
            out << "    {k" << variableName(variable) << block->power << ", " << block->terms.size()
                << "},\n";
        out << "};\n\n";
    }
    out << "} // namespace\n\n";
    for (int variable = 1; variable <= 3; ++variable) {
        out << "const VsopVariable kEarth" << variableName(variable) << " = {k" << variableName(variable)
            << "Series, " << byVariable[variable].size() << "};\n";
    }
    out << "\nconst LunarTerm kMoonLongitudeDistance[kLunarTermCount] = {\n";
    for (const std::string& row : longitudeDistance)
        out << "    " << row << ",\n";
    out << "};\n\nconst LunarTerm kMoonLatitude[kLunarTermCount] = {\n";
    for (const std::string& row : latitude)
        out << "    " << row << ",\n";
    out << "};\n\n} // namespace brivane::sky::tables\n";

    // Written only when the text changes, so an unchanged table rebuilds nothing.
    const std::string path = argv[2];
    std::ifstream previous(path);
    std::stringstream old;
    old << previous.rdbuf();
    if (previous && old.str() == out.str())
        return 0;
    std::ofstream file(path, std::ios::trunc);
    file << out.str();
    if (!file.flush())
        fail("cannot write " + path);
    return 0;
}
