#include "settings/page_parts.h"

#include "cardfile/carousel_file.h"
#include "settings/program_settings.h"
#include "settings/edit_text.h"
#include "settings/millimetre_edit.h"

#include <QCoreApplication>
#include <QFormLayout>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QVBoxLayout>
#include <algorithm>

QFormLayout* AddFormGroup(const QString& title, QVBoxLayout* page)
{
    auto* group = new QGroupBox(title);
    auto* form = new QFormLayout(group);
    page->addWidget(group);
    return form;
}

void AlignLabelColumns(std::initializer_list<QFormLayout*> forms)
{
    int width = 0;
    for (QFormLayout* form : forms)
        for (int row = 0; row < form->rowCount(); ++row)
            if (QLayoutItem* label = form->itemAt(row, QFormLayout::LabelRole))
                width = std::max(width, label->sizeHint().width());
    for (QFormLayout* form : forms)
        for (int row = 0; row < form->rowCount(); ++row)
            if (QLayoutItem* label = form->itemAt(row, QFormLayout::LabelRole))
                if (QWidget* widget = label->widget())
                    widget->setMinimumWidth(width);
}

QPlainTextEdit* NewMultiLineEdit(const std::string& text)
{
    auto* edit = new QPlainTextEdit(EditText(text));
    edit->setTabChangesFocus(true);
    return edit;
}

CMillimetreEdit* NewTextHeightEdit(std::int32_t tenths, QWidget* parent)
{
    return new CMillimetreEdit(tenths, ProgramSettings::MinTextHeight,
                               ProgramSettings::MaxTextHeight, parent);
}

std::optional<CPageRefusal> UnstorableTextRefusal(const CProjectInformation& project,
                                                  const NetworkSettings& settings, QWidget* control,
                                                  const QString& prefix)
{
    const std::string message = UnstorableNetworkTextMessage(project, settings);
    if (message.empty())
        return std::nullopt;
    return CPageRefusal{prefix + QString::fromStdString(message), control};
}

std::optional<CPageRefusal> UnstorableDelimiterRefusal(const QString& delimiter, QWidget* control)
{
    NetworkSettings settings;
    settings.LaneFlowDelimiter = StoredText(delimiter);
    return UnstorableTextRefusal(
        {}, settings, control,
        QCoreApplication::translate("CPropertyPage", "The Lane Flow Delimiter cannot be stored: "));
}
