# Runs a command as its child and writes down how it ended, "exit N" or "signal N", telling an
# exit from a death by a signal, which the shell's own status (128 + N for both) cannot.
#
#   perl watch.pl [--terminal] PID_FILE STATUS_FILE COMMAND [ARGUMENT]...
#
# The child's process id goes to PID_FILE once it runs, its ending to STATUS_FILE.
#
# Stopping the watcher (as a test's clean-up does) stops the command: TERM is passed on, and
# the command gets a few seconds before a KILL. The command's id stays the watcher's child
# until reaped here, so these signals can never reach another process.
#
# --terminal: the watcher runs in the job of a game started from a terminal, so the terminal's
# hang-ups and interrupts reach it as they reach the game. It ignores them itself, so that it
# lives to write down how the game ended, and starts the game with the dispositions it was
# started with itself (ignored under nohup, the default otherwise); only TERM is passed on.
use strict;
use warnings;

my $terminal = @ARGV && $ARGV[0] eq '--terminal';
shift @ARGV if $terminal;
my ($pid_file, $status_file, @command) = @ARGV;
my %start = map { $_ => (($SIG{$_} // '') eq 'IGNORE' ? 'IGNORE' : 'DEFAULT') } qw(HUP INT);
$SIG{HUP} = $SIG{INT} = 'IGNORE' if $terminal;
my $pid = fork() // die "fork: $!";
if ($pid == 0) {
    $SIG{$_} = $start{$_} for keys %start;
    exec { $command[0] } @command or exit 127;
}
sub put {
    my ($path, $text) = @_;
    open(my $out, '>', "$path.tmp") or die "$path.tmp: $!";
    print $out $text;
    close($out) or die "$path.tmp: $!";
    rename("$path.tmp", $path) or die "$path: $!";
}
$SIG{ALRM} = sub { kill 'KILL', $pid; };
$SIG{$_} = sub { kill 'TERM', $pid; alarm 4; } for ($terminal ? qw(TERM) : qw(TERM INT HUP));
put($pid_file, "$pid\n");
my $reaped;
do { $reaped = waitpid($pid, 0); } while ($reaped == -1 && $!{EINTR});
$reaped == $pid or die "waitpid: $!";
my $status = $?;
put($status_file, ($status & 127) ? "signal " . ($status & 127) . "\n" : "exit " . ($status >> 8) . "\n");
