// deployment.ini: any text gives a deployment, bad lines only problems.
#include "fuzzinput.h"

#include "platform/deployment.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const DeploymentReading reading =
        parseDeployment(QString::fromUtf8(fuzzBytes(data, size)), QStringLiteral("deployment.ini"));
    for (const QString &mirror : reading.deployment.mirrors)
        fuzzCheck(!mirror.isEmpty() && mirror.size() <= Deployment::MaxHostLength, "a usable mirror host");
    return 0;
}
