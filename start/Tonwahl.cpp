#include "start/Tonwahl.h"

#include "karten/Kartentonablage.h"
#include "toene/Tonaufbereitung.h"
#include "toene/Tonschreiber.h"
#include "widgets/Ordnerdialog.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QAudioSource>
#include <QBuffer>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMediaDevices>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QVBoxLayout>

#include <algorithm>
#include <cstring>

namespace {

// A recording stops by itself here: longer than a card keeps, with room for silence to trim.
constexpr double LaengsteAufnahme = LaengsterKartenton + 5; // seconds

// One sample of any of Qt's formats as a 16-bit value.
int probe(const char* daten, QAudioFormat::SampleFormat art)
{
    switch (art) {
    case QAudioFormat::UInt8:
        return (int(uchar(*daten)) - 128) * 256;
    case QAudioFormat::Int16: {
        qint16 w;
        std::memcpy(&w, daten, sizeof w);
        return w;
    }
    case QAudioFormat::Int32: {
        qint32 w;
        std::memcpy(&w, daten, sizeof w);
        return w / 65536;
    }
    case QAudioFormat::Float: {
        float w;
        std::memcpy(&w, daten, sizeof w);
        return int(std::clamp(w, -1.0f, 1.0f) * 32767);
    }
    default:
        return 0;
    }
}

// The recorded bytes, mixed down to mono.
Tonproben alsProben(const QByteArray& roh, const QAudioFormat& format)
{
    Tonproben ton;
    ton.Rate = format.sampleRate();
    const int rahmen = format.bytesPerFrame();
    const int kanaele = std::max(1, format.channelCount());
    if (rahmen <= 0)
        return ton;
    for (qsizetype i = 0; i + rahmen <= roh.size(); i += rahmen) {
        int summe = 0;
        for (int k = 0; k < kanaele; ++k)
            summe += probe(roh.constData() + i + k * format.bytesPerSample(), format.sampleFormat());
        ton.Proben.push_back(std::int16_t(summe / kanaele));
    }
    return ton;
}

QString ablageordner()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).filePath(QStringLiteral("Aufnahmen"));
}

} // namespace

Tonwahl::Tonwahl(const Paarzeile& zeile, QWidget* eltern) : QDialog(eltern)
{
    setWindowTitle(QStringLiteral("Ton"));
    toene_[0] = zeile.Toene[0];
    toene_[1] = zeile.Toene[1];
    dateiwahl_ = [this](const QString& start) {
        const QString filter = QStringLiteral("Töne (*.%1);;Alle Dateien (*)").arg(Tonendungen.join(QStringLiteral(" *.")));
        return frageNachDateien(this, QStringLiteral("Ton wählen"), start, filter).value(0);
    };
    ErsteKarte = new QRadioButton(QStringLiteral("Erste Karte"), this);
    ZweiteKarte = new QRadioButton(QStringLiteral("Zweite Karte"), this);
    ErsteKarte->setChecked(true);
    ZweiteKarte->setEnabled(zeile.Zweite != Zweitart::GleichesFoto);
    Datei = new QLabel(this);
    DateiKnopf = new QPushButton(QStringLiteral("Datei…"), this);
    AufnehmenKnopf = new QPushButton(QStringLiteral("Aufnehmen"), this);
    StoppKnopf = new QPushButton(QStringLiteral("Stopp"), this);
    AnhoerenKnopf = new QPushButton(QStringLiteral("Anhören"), this);
    EntfernenKnopf = new QPushButton(QStringLiteral("Ton entfernen"), this);
    Mikrofon = new QLabel(this);
    Name = new QLineEdit(this);
    Name->setPlaceholderText(QStringLiteral("der Name der Datei"));
    StoppKnopf->setEnabled(false);
    AnhoerenKnopf->setEnabled(false);
    if (QMediaDevices::audioInputs().isEmpty()) {
        Mikrofon->setText(QStringLiteral("Kein Mikrofon gefunden: Aufnehmen ist nicht möglich."));
        AufnehmenKnopf->setEnabled(false);
    }

    auto* karten = new QHBoxLayout;
    karten->addWidget(ErsteKarte);
    karten->addWidget(ZweiteKarte);
    karten->addStretch(1);
    auto* aufnahme = new QHBoxLayout;
    for (QPushButton* k : {DateiKnopf, AufnehmenKnopf, StoppKnopf, AnhoerenKnopf, EntfernenKnopf})
        aufnahme->addWidget(k);
    auto* formular = new QFormLayout;
    formular->addRow(QStringLiteral("Karte:"), karten);
    formular->addRow(QStringLiteral("Ton:"), Datei);
    formular->addRow(aufnahme);
    formular->addRow(Mikrofon);
    formular->addRow(QStringLiteral("Name auf der Tonkarte:"), Name);
    auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(formular);
    layout->addWidget(knoepfe);

    connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(ErsteKarte, &QRadioButton::toggled, this, &Tonwahl::zeigeKarte);
    connect(DateiKnopf, &QPushButton::clicked, this, &Tonwahl::waehleDatei);
    connect(AufnehmenKnopf, &QPushButton::clicked, this, &Tonwahl::nimmAuf);
    connect(StoppKnopf, &QPushButton::clicked, this, &Tonwahl::stoppe);
    connect(AnhoerenKnopf, &QPushButton::clicked, this, &Tonwahl::hoereAn);
    connect(EntfernenKnopf, &QPushButton::clicked, this, [this] { setzePfad({}); });
    connect(Name, &QLineEdit::textEdited, this,
            [this](const QString& name) { toene_[ZweiteKarte->isChecked() ? 1 : 0].Name = name; });
    zeigeKarte();
}

Tonwahl::~Tonwahl() = default;

Tonauswahl Tonwahl::auswahl() const
{
    const bool zweite = ZweiteKarte->isChecked();
    return {zweite, toene_[zweite ? 1 : 0]};
}

void Tonwahl::zeigeKarte()
{
    const Zeilenton& ton = toene_[ZweiteKarte->isChecked() ? 1 : 0];
    Datei->setText(ton.Pfad.isEmpty() ? QStringLiteral("kein Ton") : QFileInfo(ton.Pfad).fileName());
    Name->setText(ton.Name);
    EntfernenKnopf->setEnabled(!ton.Pfad.isEmpty());
}

void Tonwahl::setzePfad(const QString& pfad)
{
    toene_[ZweiteKarte->isChecked() ? 1 : 0].Pfad = pfad;
    zeigeKarte();
}

void Tonwahl::waehleDatei()
{
    const QString gewaehlt = dateiwahl_(QStandardPaths::writableLocation(QStandardPaths::MusicLocation));
    if (!gewaehlt.isEmpty())
        setzePfad(gewaehlt);
}

void Tonwahl::nimmAuf()
{
    const QAudioDevice geraet = QMediaDevices::defaultAudioInput();
    QAudioFormat format;
    format.setSampleRate(44100);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!geraet.isFormatSupported(format))
        format = geraet.preferredFormat();
    format_ = std::make_unique<QAudioFormat>(format);
    ausgabe_.reset();
    aufnahme_.clear();
    quelle_ = std::make_unique<QAudioSource>(geraet, format);
    eingang_ = quelle_->start();
    if (!eingang_) {
        Mikrofon->setText(QStringLiteral("Das Mikrofon lässt sich nicht öffnen."));
        return;
    }
    const qsizetype hoechstens = qsizetype(format_->bytesForDuration(qint64(LaengsteAufnahme * 1e6)));
    connect(eingang_, &QIODevice::readyRead, this, [this, hoechstens] {
        aufnahme_ += eingang_->readAll();
        if (aufnahme_.size() >= hoechstens)
            stoppe();
    });
    Mikrofon->setText(QStringLiteral("Aufnahme läuft …"));
    AufnehmenKnopf->setEnabled(false);
    StoppKnopf->setEnabled(true);
    AnhoerenKnopf->setEnabled(false);
}

void Tonwahl::stoppe()
{
    if (!quelle_)
        return;
    if (eingang_)
        aufnahme_ += eingang_->readAll();
    quelle_->stop();
    quelle_.reset();
    eingang_ = nullptr;
    StoppKnopf->setEnabled(false);
    AufnehmenKnopf->setEnabled(true);
    AufnehmenKnopf->setText(QStringLiteral("Neu aufnehmen"));
    AnhoerenKnopf->setEnabled(!aufnahme_.isEmpty());
    const Tonproben ton = alsProben(aufnahme_, *format_);
    if (ton.Proben.empty()) {
        Mikrofon->setText(QStringLiteral("Es wurde nichts aufgenommen."));
        return;
    }
    QDir().mkpath(ablageordner());
    const QString pfad = QDir(ablageordner()).filePath(
        QStringLiteral("Aufnahme-%1.ogg").arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss-zzz"))));
    if (const QString fehler = schreibeKartenton(ton, pfad); !fehler.isEmpty()) {
        Mikrofon->setText(QStringLiteral("Die Aufnahme kann nicht gespeichert werden: %1").arg(fehler));
        return;
    }
    Mikrofon->setText(QStringLiteral("Aufgenommen: %1 Sekunden.").arg(ton.sekunden(), 0, 'f', 1));
    setzePfad(pfad);
}

void Tonwahl::hoereAn()
{
    // The recording as it came from the microphone, in its own format.
    ausgabe_ = std::make_unique<QAudioSink>(QMediaDevices::defaultAudioOutput(), *format_);
    wiedergabe_ = std::make_unique<QBuffer>();
    wiedergabe_->setData(aufnahme_);
    wiedergabe_->open(QIODevice::ReadOnly);
    ausgabe_->start(wiedergabe_.get());
}
