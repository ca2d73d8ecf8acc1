#include "model/ModelChecks.h"
#include "common/Interaction.h"
#include "model/Diagrafes.h"
#include "model/Model.h"

int firstUnconnectedNode(const Model &model)
{
    for (int n = 1; n <= model.nodeCount; ++n) {
        bool connected = false;
        for (int e = 1; e <= model.elementCount && !connected; ++e)
            connected = model.nodeI(e) == n || model.nodeJ(e) == n;
        if (!connected)
            return n;
    }
    return 0;
}

namespace {

void deleteUnconnectedNode(Model &model, Interaction &user, int n)
{
    EditStep step(user, nodeDeletionText(n, model.nodeCount));
    Diagrafi_Kombou(model, user.log, n);
}

} // namespace

bool checkUnconnectedNodes(Model &model, Interaction &user, const std::function<void()> &redraw)
{
    // Each Yes removes one node, so the loop ends after at most node-count
    // rounds; an emptied model is never analysed.
    while (model.nodeCount > 0) {
        const int n = firstUnconnectedNode(model);
        if (n == 0)
            return true;

        const QString line =
            QStringLiteral("Node #%1 is not connected to other nodes with elements "
                           "and could probably cause problems to the solution process.")
                .arg(n);
        user.log.append(line, LogRed);
        const PromptAnswer answer = user.prompts().message(
            line
                + QStringLiteral(
                    " Do you want that node to be deleted before starting the analysis?"),
            kProgramTitle, PromptIcon::Question, PromptButtons::YesNoCancel);

        switch (answer) {
        case PromptAnswer::Yes:
            deleteUnconnectedNode(model, user, n);
            if (redraw)
                redraw();
            break; // and look again from node 1
        case PromptAnswer::No: return true;
        default: return false;
        }
    }
    return false;
}
