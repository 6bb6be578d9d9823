#include "ModelComparison.h"

#include "OperationResult.h"
#include "Operations.h"

namespace ModelComparison {

namespace {

ExactModel::Outcome fromProgram(Operation operation, const ExactModel::Case &in) {
    const Fields fields{in.radians, in.toAdd, in.degrees, in.minutes, in.seconds, in.sign};
    OutputOptions options;
    options.precision = static_cast<std::int16_t>(in.precision);
    options.decimalOutput = in.decimalOutput;
    options.decimalUnit = in.decimalMinutes ? DecimalUnit::Minutes : DecimalUnit::Degrees;
    options.roundToMinutes = in.roundToMinutes;
    options.showPlusMinus = in.showPlusMinus;
    const OperationResult result =
        operation == Operation::RadiansToDegrees ? Operations::radiansToDegrees(fields, options)
        : operation == Operation::DegreesToRadians
            ? Operations::degreesToRadians(fields, options)
            : Operations::plusMinus(operation == Operation::Add ? 0 : 1, fields, options);
    const Fields &f = result.fields;
    ExactModel::Outcome out{f.radians,
                            f.toAdd,
                            f.degrees,
                            f.minutes,
                            f.seconds,
                            f.sign,
                            applyToOutput(in.output, result),
                            {},
                            {}};
    if (result.message) {
        out.message = result.message->text + " | " + result.message->title;
    }
    return out;
}

ExactModel::Outcome fromModel(Operation operation, const ExactModel::Case &in) {
    switch (operation) {
    case Operation::RadiansToDegrees:
        return ExactModel::radiansToDegrees(in);
    case Operation::DegreesToRadians:
        return ExactModel::degreesToRadians(in);
    case Operation::Add:
        return ExactModel::plusMinus(0, in);
    case Operation::Subtract:
        break;
    }
    return ExactModel::plusMinus(1, in);
}

std::string quoted(const std::string &text) {
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '\r') {
            quoted += "\\r";
        } else if (c == '\n') {
            quoted += "\\n";
        } else if (c == '"' || c == '\\') {
            quoted += std::string("\\") + c;
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

void compareText(std::string &mismatch, const char *what, const std::string &program,
                 const std::string &model) {
    if (program != model) {
        mismatch += std::string("  ") + what + ": program " + quoted(program) + ", model " +
                    quoted(model) + "\n";
    }
}

} // namespace

Verdict compare(Operation operation, const ExactModel::Case &in) {
    const ExactModel::Outcome model = fromModel(operation, in);
    if (!model.open.empty()) {
        return {model.open, {}};
    }
    const ExactModel::Outcome program = fromProgram(operation, in);
    std::string mismatch;
    compareText(mismatch, "radians", program.radians, model.radians);
    compareText(mismatch, "toAdd", program.toAdd, model.toAdd);
    compareText(mismatch, "degrees", program.degrees, model.degrees);
    compareText(mismatch, "minutes", program.minutes, model.minutes);
    compareText(mismatch, "seconds", program.seconds, model.seconds);
    compareText(mismatch, "sign", program.sign, model.sign);
    compareText(mismatch, "output", program.output, model.output);
    compareText(mismatch, "message", program.message, model.message);
    return {{}, mismatch};
}

std::string describe(Operation operation, const ExactModel::Case &in) {
    static const char *const names[] = {"radians to degrees", "degrees to radians", "add",
                                        "subtract"};
    std::string options = "P=" + std::to_string(in.precision);
    if (in.decimalOutput) {
        options += in.decimalMinutes ? ", decimal minutes" : ", decimal degrees";
    }
    if (in.roundToMinutes) {
        options += ", round to minutes";
    }
    if (!in.showPlusMinus) {
        options += ", no +/- log";
    }
    return std::string(names[static_cast<int>(operation)]) + " (" + options + "): radians " +
           quoted(in.radians) + ", toAdd " + quoted(in.toAdd) + ", degrees " + quoted(in.degrees) +
           ", minutes " + quoted(in.minutes) + ", seconds " + quoted(in.seconds) + ", sign " +
           quoted(in.sign);
}

} // namespace ModelComparison
