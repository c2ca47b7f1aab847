// The login page's title.
#include "fuzzinput.h"

#include "settings/loginanswer.h"

#include <QString>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const LoginAnswer answer = LoginAnswer::fromTitle(QString::fromUtf8(fuzzBytes(data, size)));
    fuzzCheck(answer.kind() == LoginAnswer::Kind::Accepted || answer.userId().isEmpty(),
              "only an accepted answer carries an id");
    (void)answer.hasPrivacyPage();
    return 0;
}
