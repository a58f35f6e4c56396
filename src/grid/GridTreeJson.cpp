#include "grid/GridTreeJson.h"

#include "grid/GridText.h"

// The JSON reader includes the old bind header; keep its placeholders quiet.
#define BOOST_BIND_GLOBAL_PLACEHOLDERS
#include <boost/property_tree/json_parser.hpp>

#include <sstream>

namespace CommonLib {

std::string gridTreeToJson(const GridPropertyTree& tree, bool pretty)
{
    std::wostringstream out;
    boost::property_tree::write_json(out, tree, pretty);
    return encodeUtf8(out.str());
}

bool gridTreeFromJson(std::string_view json, GridPropertyTree& out)
{
    out.clear();
    std::wistringstream in(decodeUtf8(json));
    try {
        boost::property_tree::read_json(in, out);
    } catch (const boost::property_tree::json_parser_error&) {
        out.clear();
        return false;
    }
    return true;
}

} // namespace CommonLib
