// The stand-in's query parser, on a whole request target.
#include "fuzzinput.h"

#include "queryvalues.h"

#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view target(reinterpret_cast<const char *>(data), size);
    for (const auto plus : {QueryValues::Plus::Literal, QueryValues::Plus::Space}) {
        const QueryValues query(QueryValues::queryOf(target), plus);
        for (const char *key : {"id", "IdUtente", "Utente", "Psw", "valore", "primo", "Radio", ""}) {
            fuzzCheck(query.value(key).size() <= size, "a value is never longer than the query");
            const auto id = query.positiveId(key);
            fuzzCheck(!id || *id > 0, "an id is positive");
            const long long n = query.integer(key, 7, -5, 5);
            fuzzCheck(n == 7 || (n >= -5 && n <= 5), "an integer within its bounds");
        }
        fuzzCheck(percentDecode(target, plus).size() <= size, "decoding never grows the text");
    }
    return 0;
}
